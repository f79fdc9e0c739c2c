#pragma once

#include <QStringList>
#include <optional>
#include <vector>

#include "ExerciseSession.h"
#include "Schema.h"

// The redundant dependencies exercise: the student ticks the dependencies
// that follow from the others, each judged on its own against the whole
// list, since deleting one may make another one necessary.
class RedundantDependenciesExerciseSession final : public ExerciseSession {
  Q_OBJECT

 public:
  using ExerciseSession::ExerciseSession;

  const AttributeTable& names() const { return names_; }
  const DependencyList& dependencies() const { return dependencies_; }
  std::size_t rowCount() const { return rows_.size(); }

  // The student's tick on a row; taken only while answering.
  void setTicked(std::size_t row, bool ticked);
  bool isTicked(std::size_t row) const { return rows_.at(row).ticked; }
  // The solution: the row's dependency follows from the others.
  bool isRedundant(std::size_t row) const { return rows_.at(row).redundant; }
  bool isWrong(std::size_t row) const { return isTicked(row) != isRedundant(row); }

  // Whether the answer is right; nothing while there is no answer to check.
  std::optional<bool> judge() const;
  // Scores the answer as it stands and shows the solution, with why each
  // wrong tick is wrong.
  void conclude();
  QStringList explanation() const { return explanation_; }
  // The same task again, with no ticks.
  void retry();

 signals:
  // The rows were set or dropped.
  void taskChanged();

 private:
  // Sets a task on a copy of the schema: one row per dependency. A schema
  // without attributes offers none.
  void setTask(const Schema& schema) override;
  void dropTask() override;
  // At least one dependency to find.
  void aimPractice(GeneratorRequest& request) const override;

  struct Row {
    bool ticked = false;
    bool redundant = false;
  };
  AttributeTable names_;
  DependencyList dependencies_;
  std::vector<Row> rows_;
  QStringList explanation_;
};
