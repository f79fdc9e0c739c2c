#include "RedundantDependenciesExerciseSession.h"

#include "ExerciseExplanations.h"
#include "ModelText.h"
#include "Redundance.h"
#include "SchemaListing.h"

void RedundantDependenciesExerciseSession::setTask(const Schema& schema) {
  clear();
  markUpToDate();
  if (schema.attributes[0].empty()) {
    emit taskChanged();
    return;
  }
  names_ = schema.attributes;
  dependencies_ = schema.dependencies;
  for (const Dependency& d : dependencies_)
    rows_.push_back({false, IsRedundantDependency(dependencies_, d)});
  emit taskChanged();
  enterPhase(Phase::Answering);
}

void RedundantDependenciesExerciseSession::setTicked(std::size_t row, bool ticked) {
  if (canCheck()) rows_.at(row).ticked = ticked;
}

std::optional<bool> RedundantDependenciesExerciseSession::judge() const {
  if (!canCheck()) return std::nullopt;
  for (std::size_t k = 0; k < rows_.size(); ++k) {
    if (isWrong(k)) return false;
  }
  return true;
}

void RedundantDependenciesExerciseSession::conclude() {
  const std::optional<bool> right = judge();
  if (!right) return;
  explanation_.clear();
  std::size_t k = 0;
  for (const Dependency& d : dependencies_) {
    if (isWrong(k)) {
      explanation_ << explain::FollowsLines(
          tr("Zavislost %1").arg(ToText(ShowDependency(d, names_))), d.LhsSet(), d.Rhs(),
          dependencies_, &d, names_);
    }
    ++k;
  }
  record(*right);
  enterPhase(Phase::Checked);
}

void RedundantDependenciesExerciseSession::retry() {
  if (phase() != Phase::Checked) return;
  for (Row& row : rows_)
    row.ticked = false;
  explanation_.clear();
  enterPhase(Phase::Answering);
}

void RedundantDependenciesExerciseSession::dropTask() {
  const bool hadRows = !rows_.empty();
  names_ = {};
  dependencies_.clear();
  rows_.clear();
  explanation_.clear();
  if (hadRows) emit taskChanged();
}

void RedundantDependenciesExerciseSession::aimPractice(GeneratorRequest& request) const {
  request.redundantDependencies = 1;
}
