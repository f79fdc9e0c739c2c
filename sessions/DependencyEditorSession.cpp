#include "DependencyEditorSession.h"

#include <algorithm>

#include "DbcFormat.h"
#include "SchemaDocument.h"
#include "SchemaListing.h"

// Whatever the editor builds must open again from its file.
static_assert(DependencyEditorSession::MostLines * RowRhsSlots <= DbcMaxEntries &&
              RowLhsPickers <= DbcMaxLhs);

void DependencyEditorSession::load(const Schema& schema) {
  markUpToDate();
  clear();
  names_ = schema.attributes;
  for (const Dependency& d : schema.dependencies)
    lines_.push_back({RowFromDependency(d), ShowDependency(d, names_)});
  emit linesChanged();
  if (lines_.empty()) return;
  current_ = 0;
  emit currentChanged();
}

void DependencyEditorSession::clear() {
  names_ = {};
  lines_.clear();
  current_ = -1;
  modified_ = false;
  emit linesChanged();
}

DependencyEditorSession::Insertion DependencyEditorSession::insert(const Choice& choice) {
  std::vector<AttributeIndex> lhs;
  for (AttributeIndex a : choice.lhs) {
    if (a != NoAttribute) lhs.push_back(a);
  }
  std::vector<AttributeIndex> rhs;
  for (AttributeIndex a : choice.rhs) {
    if (a != NoAttribute) rhs.push_back(a);
  }
  if (lineCount() >= MostLines) return Insertion::TooMany;
  if (lhs.empty()) return Insertion::NoLeftSide;
  if (rhs.empty()) return Insertion::NoRightSide;
  // A second copy of an attribute adds nothing to a left-hand side, and the
  // redundant attributes tools would only have to take it out again.
  std::vector<AttributeIndex> sorted = lhs;
  std::sort(sorted.begin(), sorted.end());
  if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
    return Insertion::RepeatedLeftAttribute;

  DependencyRow row;
  row.rhsSlots = choice.rhs;
  for (AttributeIndex a : lhs)
    InsertAscending(row, a);
  lines_.push_back({row, EditorLineText(lhs, rhs, names_)});
  modified_ = true;
  current_ = lineCount() - 1;
  emit linesChanged();
  emit currentChanged();
  return Insertion::Inserted;
}

void DependencyEditorSession::select(int line) {
  if (line < 0 || line >= lineCount()) return;
  current_ = line;
  emit currentChanged();
}

bool DependencyEditorSession::eraseCurrent() {
  if (current_ < 0) return false;
  lines_.erase(lines_.begin() + current_);
  if (current_ == lineCount()) --current_;
  modified_ = true;
  emit linesChanged();
  emit currentChanged();
  return true;
}

NotationWriteResult DependencyEditorSession::text() const {
  return WriteDependencyLines(names_, dependencies());
}

std::optional<NotationRefusal> DependencyEditorSession::takeText(std::string_view text) {
  std::variant<DependencyList, NotationRefusal> read = ReadDependencyLines(text, names_);
  if (auto* refusal = std::get_if<NotationRefusal>(&read)) return std::move(*refusal);
  const DependencyList& records = std::get<DependencyList>(read);
  const DependencyList held = dependencies();
  const auto same = [](const Dependency& a, const Dependency& b) {
    return a.lhs == b.lhs && a.Rhs() == b.Rhs();
  };
  if (std::equal(records.begin(), records.end(), held.begin(), held.end(), same))
    return std::nullopt;
  lines_.clear();
  for (const Dependency& d : records)
    lines_.push_back({RowFromDependency(d), ShowDependency(d, names_)});
  modified_ = true;
  current_ = lines_.empty() ? -1 : 0;
  emit linesChanged();
  emit currentChanged();
  return std::nullopt;
}

DependencyList DependencyEditorSession::dependencies() const {
  std::vector<DependencyRow> rows;
  for (const Line& line : lines_)
    rows.push_back(line.row);
  return DependenciesFromRows(rows);
}

void DependencyEditorSession::apply(SchemaDocument& document) const {
  document.ReplaceDependencies(dependencies());
  document.MarkDirty(modified_);
}
