#pragma once

#include "AttributeSetExercise.h"
#include "MaximalSetExerciseSession.h"

// The maximal set exercise: a view of its session. The student picks an
// attribute A and ticks what the maximal sets of A hold together.
class MaximalSetExercise final : public AttributeSetExercise {
  Q_OBJECT

 public:
  MaximalSetExercise(MaximalSetExerciseSession& session, SchemaHost& host, RandomSource& random,
                     MessageService& messages, ErrorDisplay& errors, QWidget* parent = nullptr);
};
