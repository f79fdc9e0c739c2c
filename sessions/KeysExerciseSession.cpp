#include "KeysExerciseSession.h"

#include "ExerciseExplanations.h"
#include "Keys.h"

KeysExerciseSession::KeysExerciseSession(RandomSource& random, QObject* parent)
    : GradedExerciseSession(parent), random_(random) {}

bool KeysExerciseSession::startTask() {
  keys_ = ComputeKeys(dependencies(), names());
  if (!hasCandidates()) return false;
  draw();
  return true;
}

void KeysExerciseSession::draw() {
  drawn_ = DrawKeyCandidates(keys_, ShownAttributes(names()),
                             [this](int range) { return random_.Random(range); });
  ticked_ = {};
}

void KeysExerciseSession::setTicked(int c, bool ticked) {
  if (canCheck()) ticked_.at(c) = ticked;
}

QStringList KeysExerciseSession::explainAnswer() const {
  AttributeSet members;
  for (AttributeIndex a : ShownAttributes(names()))
    members.Add(a);
  QStringList lines;
  for (int c = 0; c < KeyCandidateCount; ++c) {
    if (isWrong(c)) {
      lines << explain::KeyCandidateLines(candidate(c), members, dependencies(), names());
    }
  }
  return lines;
}

void KeysExerciseSession::startNewTask() {
  if (!canStartNewTask()) return;
  draw();
  emit taskChanged();
  enterPhase(Phase::Answering);
}

void KeysExerciseSession::dropAnswer() {
  keys_.clear();
  drawn_ = {};
  ticked_ = {};
}

void KeysExerciseSession::aimPractice(GeneratorRequest& request) const {
  request.keys = 2 + static_cast<int>(request.seed % 2);
}
