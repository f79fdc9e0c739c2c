#pragma once

#include "ExerciseFeedback.h"
#include "MaximalSetExerciseSession.h"
#include "OutOfDateNotice.h"
#include "Platform.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class AttributeColumns;
class QAction;
class QLabel;

// The maximal set exercise: a view of its session. The student picks an
// attribute A and ticks what the maximal sets of A hold together.
class MaximalSetExercise final : public ToolWindow {
  Q_OBJECT

 public:
  MaximalSetExercise(MaximalSetExerciseSession& session, SchemaHost& host, MessageService& messages,
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

  MaximalSetExerciseSession& session_;
  SchemaHost& host_;
  OutOfDateNotice* notice_ = nullptr;
  ExerciseFeedback* feedback_ = nullptr;
  AttributeColumns* columns_ = nullptr;

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QAction* a_spravnaOdpoved = nullptr;
  QAction* a_new = nullptr;
  QAction* a_clear = nullptr;
};
