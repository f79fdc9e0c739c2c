#pragma once

#include "AttributeSetExerciseSession.h"

// The closure exercise: the student picks a set A and ticks what A+ holds.
class ClosureExerciseSession final : public AttributeSetExerciseSession {
  Q_OBJECT

 public:
  explicit ClosureExerciseSession(QObject* parent = nullptr);

 private:
  AttributeSet solve(AttributeSet a) const override;
  // The closure step by step, whether the answer was right or not.
  QStringList explainAnswer() const override;
};
