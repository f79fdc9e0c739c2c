#include "ExerciseSession.h"

ExerciseSession::ExerciseSession(QObject* parent) : ToolSession(parent) {}

void ExerciseSession::enterPhase(Phase phase) {
  if (phase_ == phase) return;
  phase_ = phase;
  emit phaseChanged(phase);
}

void ExerciseSession::record(bool right) {
  ++score_.attempted;
  if (right) ++score_.right;
  emit scoreChanged(score_);
}

void ExerciseSession::clear() {
  dropTask();
  enterPhase(Phase::NoTask);
}

void ExerciseSession::close() {
  clear();
  if (score_ == Score{}) return;
  score_ = {};
  emit scoreChanged(score_);
}

void ExerciseSession::markOutOfDate() {
  ToolSession::markOutOfDate();
  enterPhase(Phase::NoTask);
}
