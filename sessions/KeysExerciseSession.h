#pragma once

#include <array>

#include "Exercises.h"
#include "GradedExerciseSession.h"
#include "Platform.h"
#include "Schema.h"

// The keys exercise: of three candidate sets, one of them a real key and
// the others drawn at random, the student ticks those that are keys.
class KeysExerciseSession final : public GradedExerciseSession {
  Q_OBJECT

 public:
  explicit KeysExerciseSession(RandomSource& random, QObject* parent = nullptr);

  // Whether there are candidates to show: from a task set until a reset.
  bool hasCandidates() const { return !keys_.empty(); }
  AttributeSet candidate(int c) const { return drawn_.candidates.at(c); }
  bool isKey(int c) const { return drawn_.isKey.at(c); }

  // The student's tick on a candidate; taken only while answering.
  void setTicked(int c, bool ticked);
  bool isTicked(int c) const { return ticked_.at(c); }
  bool isWrong(int c) const { return isTicked(c) != isKey(c); }

  // New candidates for the same schema. Not on a copy that is out of date.
  bool canStartNewTask() const { return hasCandidates() && !isOutOfDate(); }
  void startNewTask();

 private:
  // Draws the candidates from the schema's keys.
  bool startTask() override;
  void dropAnswer() override;
  std::size_t itemCount() const override { return KeyCandidateCount; }
  bool isItemWrong(std::size_t c) const override { return isWrong(static_cast<int>(c)); }
  // Why each wrong tick is wrong.
  QStringList explainAnswer() const override;
  void clearAnswer() override { ticked_ = {}; }
  // Two or three keys, so that more than one candidate may be a key.
  void aimPractice(GeneratorRequest& request) const override;
  void draw();

  RandomSource& random_;
  KeyList keys_;
  KeyCandidates drawn_;
  std::array<bool, KeyCandidateCount> ticked_{};
};
