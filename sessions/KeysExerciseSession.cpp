#include "KeysExerciseSession.h"

#include "ExerciseExplanations.h"
#include "Keys.h"

KeysExerciseSession::KeysExerciseSession(RandomSource& random, QObject* parent)
    : ExerciseSession(parent), random_(random) {}

void KeysExerciseSession::setTask(const Schema& schema) {
  clear();
  markUpToDate();
  if (!schema.attributes[0].empty()) {
    names_ = schema.attributes;
    dependencies_ = schema.dependencies;
    keys_ = ComputeKeys(dependencies_, names_);
  }
  if (!hasCandidates()) {
    emit taskChanged();
    return;
  }
  draw();
}

void KeysExerciseSession::draw() {
  drawn_ = DrawKeyCandidates(keys_, ShownAttributes(names_),
                             [this](int range) { return random_.Random(range); });
  ticked_ = {};
  explanation_.clear();
  emit taskChanged();
  enterPhase(Phase::Answering);
}

void KeysExerciseSession::setTicked(int c, bool ticked) {
  if (canCheck()) ticked_.at(c) = ticked;
}

std::optional<bool> KeysExerciseSession::judge() const {
  if (!canCheck()) return std::nullopt;
  for (int c = 0; c < KeyCandidateCount; ++c) {
    if (isWrong(c)) return false;
  }
  return true;
}

void KeysExerciseSession::conclude() {
  const std::optional<bool> right = judge();
  if (!right) return;
  AttributeSet members;
  for (AttributeIndex a : ShownAttributes(names_))
    members.Add(a);
  explanation_.clear();
  for (int c = 0; c < KeyCandidateCount; ++c) {
    if (isWrong(c)) {
      explanation_ << explain::KeyCandidateLines(candidate(c), members, dependencies_, names_);
    }
  }
  record(*right);
  enterPhase(Phase::Checked);
}

void KeysExerciseSession::startNewTask() {
  if (canStartNewTask()) draw();
}

void KeysExerciseSession::dropTask() {
  names_ = {};
  dependencies_.clear();
  keys_.clear();
  drawn_ = {};
  ticked_ = {};
  explanation_.clear();
  emit taskChanged();
}

void KeysExerciseSession::aimPractice(GeneratorRequest& request) const {
  request.keys = 2 + static_cast<int>(request.seed % 2);
}
