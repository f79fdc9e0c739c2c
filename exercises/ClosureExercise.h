#pragma once

#include "ClosureExerciseSession.h"
#include "ExerciseFeedback.h"
#include "ExerciseWindow.h"
#include "Platform.h"

class AttributeColumns;
class QAction;
class QLabel;

// The closure exercise: a view of its session. The student picks a set A,
// ticks what A+ holds and has it checked against the closure.
class ClosureExercise final : public ExerciseWindow {
  Q_OBJECT

 public:
  ClosureExercise(ClosureExerciseSession& session, SchemaHost& host, RandomSource& random,
                  MessageService& messages, ErrorDisplay& errors, QWidget* parent = nullptr);

  // Fixes the picked A.
  void fixTask();
  void checkAnswer();
  void startNewTask();

 protected:
  void resetWindow() override;
  void restartLayout() override;

 private:
  void showPhase(ExerciseSession::Phase phase);

  ClosureExerciseSession& session_;
  ExerciseFeedback* feedback_ = nullptr;
  AttributeColumns* columns_ = nullptr;

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label_odpoved = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QAction* a_spravnaOdpoved = nullptr;
  QAction* a_new = nullptr;
  QAction* a_clear = nullptr;
};
