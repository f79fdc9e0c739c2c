#pragma once

#include "ClosureExerciseSession.h"
#include "ExerciseFeedback.h"
#include "OutOfDateNotice.h"
#include "Platform.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class AttributeColumns;
class QAction;
class QLabel;

// The closure exercise: a view of its session. The student picks a set A,
// ticks what A+ holds and has it checked against the closure.
class ClosureExercise final : public ToolWindow {
  Q_OBJECT

 public:
  ClosureExercise(ClosureExerciseSession& session, SchemaHost& host, MessageService& messages,
                  ErrorDisplay& errors, QWidget* parent = nullptr);

  // Offers the attributes of the live schema to pick A from.
  void prepare();
  // Fixes the picked A.
  void fixTask();
  void checkAnswer();
  void startNewTask();

 protected:
  void resetWindow() override;

 private:
  void showPhase(ExerciseSession::Phase phase);

  ClosureExerciseSession& session_;
  SchemaHost& host_;
  OutOfDateNotice* notice_ = nullptr;
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
