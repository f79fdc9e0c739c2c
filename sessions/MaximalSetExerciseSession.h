#pragma once

#include "AttributeSetExerciseSession.h"

// The maximal set exercise: the student picks an attribute A and ticks what
// the maximal sets of A hold together.
class MaximalSetExerciseSession final : public AttributeSetExerciseSession {
  Q_OBJECT

 public:
  explicit MaximalSetExerciseSession(QObject* parent = nullptr);

 private:
  AttributeSet solve(AttributeSet a) const override;
  // Why each wrong tick is wrong: an attribute lies in some maximal set of
  // A exactly when it does not determine A on its own.
  QStringList explainAnswer() const override;
};
