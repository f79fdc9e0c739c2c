#pragma once

#include <QStringList>
#include <cstddef>
#include <optional>

#include "ExerciseSession.h"

// An exercise whose answer is a row of items (ticks or marks), each either
// right or wrong; the answer is right when every item is.
class GradedExerciseSession : public ExerciseSession {
  Q_OBJECT

 public:
  // Whether the answer is right; nothing while there is no answer to check.
  std::optional<bool> judge() const;
  // Scores the answer as it stands and shows the solution.
  void conclude();
  // Why the checked answer is what it is; nothing before it is checked.
  QStringList explanation() const;
  // The same task again, with the answer cleared.
  void retry();

 protected:
  using ExerciseSession::ExerciseSession;

  virtual std::size_t itemCount() const = 0;
  virtual bool isItemWrong(std::size_t item) const = 0;
  // The lines under the checked answer.
  virtual QStringList explainAnswer() const = 0;
  virtual void clearAnswer() = 0;
};
