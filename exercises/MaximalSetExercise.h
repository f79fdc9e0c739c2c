#pragma once

#include "ExerciseFeedback.h"
#include "ExerciseWindow.h"
#include "MaximalSetExerciseSession.h"
#include "Platform.h"

class AttributeColumns;
class QAction;
class QLabel;

// The maximal set exercise: a view of its session. The student picks an
// attribute A and ticks what the maximal sets of A hold together.
class MaximalSetExercise final : public ExerciseWindow {
  Q_OBJECT

 public:
  MaximalSetExercise(MaximalSetExerciseSession& session, SchemaHost& host, RandomSource& random,
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

  MaximalSetExerciseSession& session_;
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
