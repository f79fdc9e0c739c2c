#include "AttributeSetExerciseSession.h"

#include "Exercises.h"

AttributeSetExerciseSession::AttributeSetExerciseSession(Pick pickKind, QObject* parent)
    : GradedExerciseSession(parent), pickKind_(pickKind) {}

bool AttributeSetExerciseSession::startTask() {
  offered_ = ShownAttributes(names());
  return false;
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

bool AttributeSetExerciseSession::canStartNewTask() const {
  return !offered_.empty() && !isOutOfDate();
}

void AttributeSetExerciseSession::startNewTask() {
  if (!canStartNewTask()) return;
  picked_ = {};
  fixed_ = {};
  ticked_ = {};
  solution_ = {};
  enterPhase(Phase::NoTask);
  emit newTaskStarted();
}

void AttributeSetExerciseSession::dropAnswer() {
  offered_.clear();
  picked_ = {};
  fixed_ = {};
  ticked_ = {};
  solution_ = {};
}
