#include "RedundancyFindingsSession.h"

#include <QScopedValueRollback>
#include <algorithm>

#include "SchemaDocument.h"
#include "SchemaListing.h"

RedundancyFindingsSession::RedundancyFindingsSession(SchemaDocument& document, QObject* parent)
    : ToolSession(parent), document_(document) {}

void RedundancyFindingsSession::fill() {
  names_ = document_.attributes();
  rows_.clear();
  rowDependency.clear();
  find(document_.dependencies(), [this](AttributeIndex attribute, const Dependency& record) {
    rows_.push_back({attribute, ShowDependency(record, names_), RowState::Redundant});
    rowDependency.push_back(&record);
  });
  emit rowsChanged();
}

bool RedundancyFindingsSession::load() {
  fill();
  deletionsMade = false;
  open_ = !rows_.empty();
  markUpToDate();
  return open_;
}

void RedundancyFindingsSession::markOutOfDate() {
  if (!open_ || deleting_) return;
  // Deletions already made still go to the log when the window closes.
  fill();
  emit refilled();
}

void RedundancyFindingsSession::retire(std::size_t row, RowState state) {
  rows_[row].state = state;
  rowDependency[row] = nullptr;
}

RedundancyFindingsSession::Deletion RedundancyFindingsSession::erase(std::size_t row) {
  if (rows_.at(row).state != RowState::Redundant) return {};
  bool deleted = false;
  {
    const QScopedValueRollback<bool> own(deleting_, true);
    deleted = eraseFinding(document_, rowDependency[row], rows_[row].attribute);
  }
  deletionsMade = deletionsMade || deleted;
  retire(row, RowState::Deleted);

  Deletion deletion;
  const DependencyList& dependencies = document_.dependencies();
  for (std::size_t k = 0; k < rows_.size(); ++k) {
    if (rows_[k].state != RowState::Redundant) continue;
    // Another row of the same record shows it as it is now.
    rows_[k].dependency = ShowDependency(*rowDependency[k], names_);
    if (isRedundant(dependencies, *rowDependency[k], rows_[k].attribute)) continue;
    retire(k, RowState::NoLongerRedundant);
    ++deletion.noLongerRedundant;
  }
  deletion.noneLeft = std::none_of(rows_.begin(), rows_.end(),
                                   [](const Row& r) { return r.state == RowState::Redundant; });
  document_.MarkDirty(deleted);
  emit rowStatesChanged();
  return deletion;
}

std::vector<std::string> RedundancyFindingsSession::close() {
  std::vector<std::string> log;
  if (deletionsMade) {
    log = ListDependencyLines(document_.dependencies(), document_.attributes());
    log.emplace_back(DependencySeparator);
  }
  open_ = false;
  deletionsMade = false;
  rows_.clear();
  rowDependency.clear();
  emit rowsChanged();
  return log;
}
