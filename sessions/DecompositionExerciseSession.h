#pragma once

#include <QStringList>
#include <optional>
#include <vector>

#include "GradedExerciseSession.h"
#include "Nf.h"
#include "Schema.h"

// The decomposition exercise: for every dependency the student ticks
// whether it violates 3NF or, in 3NF, violates BCNF, judged by the keys of
// the dependencies shown.
class DecompositionExerciseSession final : public GradedExerciseSession {
  Q_OBJECT

 public:
  // The two columns a dependency is ticked in.
  enum class Violation { ThirdNormalForm, BoyceCoddOnly };
  Q_ENUM(Violation)

  using GradedExerciseSession::GradedExerciseSession;

  std::size_t rowCount() const { return rows_.size(); }

  // The student's tick on a row; taken only while answering.
  void setTicked(std::size_t row, Violation violation, bool ticked);
  bool isTicked(std::size_t row, Violation violation) const;
  // The solution: the row's dependency violates the form.
  bool violates(std::size_t row, Violation violation) const;
  bool isWrong(std::size_t row, Violation violation) const {
    return isTicked(row, violation) != violates(row, violation);
  }

 private:
  // One row per dependency.
  bool startTask() override;
  void dropAnswer() override;
  std::size_t itemCount() const override { return rows_.size(); }
  bool isItemWrong(std::size_t row) const override;
  // Why each wrong row is wrong.
  QStringList explainAnswer() const override;
  void clearAnswer() override;
  // Why the dependency violates 3NF, only BCNF, or neither.
  QStringList violationLines(const Dependency& d) const;

  struct Row {
    NormalFormClass form = NormalFormClass::NotComputed;
    bool tickedThird = false;
    bool tickedBoyceCodd = false;
  };
  // The keys of the dependencies shown, found at loading: those of the main
  // window may belong to an earlier schema.
  KeyList keys_;
  AttributeSet nonPrime_;
  std::vector<Row> rows_;
};
