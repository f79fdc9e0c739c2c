#include "AttributeSetExerciseSession.h"

#include "Exercises.h"

AttributeSetExerciseSession::AttributeSetExerciseSession(Pick pickKind, QObject* parent)
    : ExerciseSession(parent), pickKind_(pickKind) {}

void AttributeSetExerciseSession::setTask(const Schema& schema) {
  clear();
  markUpToDate();
  if (!schema.attributes[0].empty()) {
    names_ = schema.attributes;
    dependencies_ = schema.dependencies;
    offered_ = ShownAttributes(names_);
  }
  emit taskChanged();
}

bool AttributeSetExerciseSession::isPicking() const {
  return phase() == Phase::NoTask && fixed_.Empty() && !offered_.empty() && !isOutOfDate();
}

void AttributeSetExerciseSession::setPicked(AttributeIndex attribute, bool picked) {
  if (!isPicking()) return;
  if (!picked) {
    picked_.Remove(attribute);
    return;
  }
  if (pickKind_ == Pick::OneAttribute) picked_ = {};
  picked_.Add(attribute);
}

AttributeSetExerciseSession::Fixing AttributeSetExerciseSession::fixPick() {
  if (!isPicking()) return Fixing::NotPicking;
  if (picked_.Empty()) return Fixing::NothingPicked;
  fixed_ = picked_;
  ticked_ = {};
  solution_ = solve(fixed_);
  enterPhase(Phase::Answering);
  return Fixing::TaskSet;
}

void AttributeSetExerciseSession::setTicked(AttributeIndex attribute, bool ticked) {
  if (!canCheck()) return;
  if (ticked) {
    ticked_.Add(attribute);
  } else {
    ticked_.Remove(attribute);
  }
}

bool AttributeSetExerciseSession::isWrong(AttributeIndex attribute) const {
  return ticked_.Has(attribute) != solution_.Has(attribute);
}

std::optional<bool> AttributeSetExerciseSession::judge() const {
  if (!canCheck()) return std::nullopt;
  for (AttributeIndex a : offered_) {
    if (isWrong(a)) return false;
  }
  return true;
}

void AttributeSetExerciseSession::conclude() {
  const std::optional<bool> right = judge();
  if (!right) return;
  explanation_ = explain();
  record(*right);
  enterPhase(Phase::Checked);
}

bool AttributeSetExerciseSession::canStartNewTask() const {
  return !offered_.empty() && !isOutOfDate();
}

void AttributeSetExerciseSession::startNewTask() {
  if (!canStartNewTask()) return;
  picked_ = {};
  fixed_ = {};
  ticked_ = {};
  solution_ = {};
  explanation_.clear();
  enterPhase(Phase::NoTask);
  emit newTaskStarted();
}

void AttributeSetExerciseSession::dropTask() {
  names_ = {};
  dependencies_.clear();
  offered_.clear();
  picked_ = {};
  fixed_ = {};
  ticked_ = {};
  solution_ = {};
  explanation_.clear();
  emit taskChanged();
}
