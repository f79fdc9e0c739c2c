#pragma once

#include "AttributeSetExercise.h"
#include "ClosureExerciseSession.h"

// The closure exercise: a view of its session. The student picks a set A,
// ticks what A+ holds and has it checked against the closure.
class ClosureExercise final : public AttributeSetExercise {
  Q_OBJECT

 public:
  ClosureExercise(ClosureExerciseSession& session, SchemaHost& host, RandomSource& random,
                  MessageService& messages, ErrorDisplay& errors, QWidget* parent = nullptr);
};
