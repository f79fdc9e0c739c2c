#pragma once

#include <vector>

#include "GradedExerciseSession.h"
#include "Schema.h"

// The redundant dependencies exercise: the student ticks the dependencies
// that follow from the others, each judged on its own against the whole
// list, since deleting one may make another one necessary.
class RedundantDependenciesExerciseSession final : public GradedExerciseSession {
  Q_OBJECT

 public:
  using GradedExerciseSession::GradedExerciseSession;

  std::size_t rowCount() const { return rows_.size(); }

  // The student's tick on a row; taken only while answering.
  void setTicked(std::size_t row, bool ticked);
  bool isTicked(std::size_t row) const { return rows_.at(row).ticked; }
  // The solution: the row's dependency follows from the others.
  bool isRedundant(std::size_t row) const { return rows_.at(row).redundant; }
  bool isWrong(std::size_t row) const { return isTicked(row) != isRedundant(row); }

 private:
  // One row per dependency.
  bool startTask() override;
  void dropAnswer() override { rows_.clear(); }
  std::size_t itemCount() const override { return rows_.size(); }
  bool isItemWrong(std::size_t row) const override { return isWrong(row); }
  // Why each wrong tick is wrong.
  QStringList explainAnswer() const override;
  void clearAnswer() override;
  // At least one dependency to find.
  void aimPractice(GeneratorRequest& request) const override;

  struct Row {
    bool ticked = false;
    bool redundant = false;
  };
  std::vector<Row> rows_;
};
