#include "RedundantAttributesExerciseSession.h"

#include <cstddef>
#include <iterator>

#include "ExerciseExplanations.h"
#include "ModelText.h"
#include "Redundance.h"
#include "SchemaListing.h"

void RedundantAttributesExerciseSession::setTask(const Schema& schema) {
  clear();
  markUpToDate();
  if (schema.attributes[0].empty()) {
    emit taskChanged();
    return;
  }
  names_ = schema.attributes;
  dependencies_ = schema.dependencies;
  std::size_t k = 0;
  for (const Dependency& d : dependencies_) {
    const AttributeSet redundant = RedundantLhsAttributes(d, dependencies_);
    for (int i = 0; i < MaxAttributes && d.lhs[i] != NoAttribute; ++i)
      items_.push_back({k, d.lhs[i], redundant.Has(d.lhs[i]), Mark::Kept});
    ++k;
  }
  emit taskChanged();
  enterPhase(Phase::Answering);
}

void RedundantAttributesExerciseSession::toggle(std::size_t item) {
  if (!canCheck()) return;
  Mark& mark = items_.at(item).mark;
  mark = mark == Mark::Redundant ? Mark::Kept : Mark::Redundant;
}

bool RedundantAttributesExerciseSession::isWrong(std::size_t item) const {
  const Item& i = items_.at(item);
  return (i.mark == Mark::Redundant) != i.redundant;
}

std::optional<bool> RedundantAttributesExerciseSession::judge() const {
  if (!canCheck()) return std::nullopt;
  for (std::size_t k = 0; k < items_.size(); ++k) {
    if (isWrong(k)) return false;
  }
  return true;
}

void RedundantAttributesExerciseSession::conclude() {
  const std::optional<bool> right = judge();
  if (!right) return;
  explanation_.clear();
  for (std::size_t k = 0; k < items_.size(); ++k) {
    if (!isWrong(k)) continue;
    const Item& item = items_[k];
    const Dependency& d =
        *std::next(dependencies_.begin(), static_cast<std::ptrdiff_t>(item.dependency));
    explanation_ << explain::FollowsLines(tr("%1 v %2").arg(ToText(NameOf(names_, item.attribute)),
                                                            ToText(ShowDependency(d, names_))),
                                          LhsWithoutOneCopy(d, item.attribute), d.Rhs(),
                                          dependencies_, nullptr, names_);
  }
  reduced_ = dependencies_;
  RemoveRedundantAttributes(reduced_);
  record(*right);
  enterPhase(Phase::Checked);
}

void RedundantAttributesExerciseSession::retry() {
  if (phase() != Phase::Checked) return;
  for (Item& item : items_)
    item.mark = Mark::Kept;
  explanation_.clear();
  reduced_.clear();
  enterPhase(Phase::Answering);
}

void RedundantAttributesExerciseSession::dropTask() {
  const bool hadTask = !names_[0].empty();
  names_ = {};
  dependencies_.clear();
  items_.clear();
  reduced_.clear();
  explanation_.clear();
  if (hadTask) emit taskChanged();
}

void RedundantAttributesExerciseSession::aimPractice(GeneratorRequest& request) const {
  request.redundantAttributes = 1;
}
