#pragma once

#include <QStringList>
#include <array>
#include <optional>

#include "ExerciseSession.h"
#include "Exercises.h"
#include "Platform.h"
#include "Schema.h"

// The keys exercise: of three candidate sets, one of them a real key and
// the others drawn at random, the student ticks those that are keys.
class KeysExerciseSession final : public ExerciseSession {
  Q_OBJECT

 public:
  explicit KeysExerciseSession(RandomSource& random, QObject* parent = nullptr);

  const AttributeTable& names() const { return names_; }
  const DependencyList& dependencies() const { return dependencies_; }
  // Whether there are candidates to show: from a task set until a reset.
  bool hasCandidates() const { return !keys_.empty(); }
  AttributeSet candidate(int c) const { return drawn_.candidates.at(c); }
  bool isKey(int c) const { return drawn_.isKey.at(c); }

  // The student's tick on a candidate; taken only while answering.
  void setTicked(int c, bool ticked);
  bool isTicked(int c) const { return ticked_.at(c); }
  bool isWrong(int c) const { return isTicked(c) != isKey(c); }

  // Whether the answer is right; nothing while there is no answer to check.
  std::optional<bool> judge() const;
  // Scores the answer and shows the solution, with why each wrong tick is
  // wrong.
  void conclude();
  QStringList explanation() const { return explanation_; }

  // New candidates for the same schema. Not on a copy that is out of date.
  bool canStartNewTask() const { return hasCandidates() && !isOutOfDate(); }
  void startNewTask();

 signals:
  // The candidates were drawn or dropped.
  void taskChanged();

 private:
  // Draws the candidates from the keys of a copy of the schema. A schema
  // without attributes offers no task.
  void setTask(const Schema& schema) override;
  void dropTask() override;
  // Two or three keys, so that more than one candidate may be a key.
  void aimPractice(GeneratorRequest& request) const override;
  void draw();

  RandomSource& random_;
  AttributeTable names_;
  DependencyList dependencies_;
  KeyList keys_;
  KeyCandidates drawn_;
  std::array<bool, KeyCandidateCount> ticked_{};
  QStringList explanation_;
};
