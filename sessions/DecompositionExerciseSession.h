#pragma once

#include <QStringList>
#include <optional>
#include <vector>

#include "ExerciseSession.h"
#include "Nf.h"
#include "Schema.h"

// The decomposition exercise: for every dependency the student ticks
// whether it violates 3NF or, in 3NF, violates BCNF, judged by the keys of
// the dependencies shown.
class DecompositionExerciseSession final : public ExerciseSession {
  Q_OBJECT

 public:
  // The two columns a dependency is ticked in.
  enum class Violation { ThirdNormalForm, BoyceCoddOnly };
  Q_ENUM(Violation)

  using ExerciseSession::ExerciseSession;

  const AttributeTable& names() const { return names_; }
  const DependencyList& dependencies() const { return dependencies_; }
  std::size_t rowCount() const { return rows_.size(); }

  // The student's tick on a row; taken only while answering.
  void setTicked(std::size_t row, Violation violation, bool ticked);
  bool isTicked(std::size_t row, Violation violation) const;
  // The solution: the row's dependency violates the form.
  bool violates(std::size_t row, Violation violation) const;
  bool isWrong(std::size_t row, Violation violation) const {
    return isTicked(row, violation) != violates(row, violation);
  }

  // Whether the answer is right; nothing while there is no answer to check.
  std::optional<bool> judge() const;
  // Scores the answer as it stands and shows the solution, with why each
  // wrong row is wrong.
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
  bool isRowWrong(std::size_t row) const;
  // Why the dependency violates 3NF, only BCNF, or neither.
  QStringList violationLines(const Dependency& d) const;

  struct Row {
    NormalFormClass form = NormalFormClass::NotComputed;
    bool tickedThird = false;
    bool tickedBoyceCodd = false;
  };
  AttributeTable names_;
  DependencyList dependencies_;
  // The keys of the dependencies shown, found at loading: those of the main
  // window may belong to an earlier schema.
  KeyList keys_;
  AttributeSet nonPrime_;
  std::vector<Row> rows_;
  QStringList explanation_;
};
