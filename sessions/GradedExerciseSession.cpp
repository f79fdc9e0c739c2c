#include "GradedExerciseSession.h"

std::optional<bool> GradedExerciseSession::judge() const {
  if (!canCheck()) return std::nullopt;
  for (std::size_t k = 0; k < itemCount(); ++k) {
    if (isItemWrong(k)) return false;
  }
  return true;
}

void GradedExerciseSession::conclude() {
  const std::optional<bool> right = judge();
  if (!right) return;
  record(*right);
  enterPhase(Phase::Checked);
}

QStringList GradedExerciseSession::explanation() const {
  return phase() == Phase::Checked ? explainAnswer() : QStringList();
}

void GradedExerciseSession::retry() {
  if (phase() != Phase::Checked) return;
  clearAnswer();
  enterPhase(Phase::Answering);
}
