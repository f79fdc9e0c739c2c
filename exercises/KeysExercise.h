#pragma once

#include <array>

#include "ExerciseFeedback.h"
#include "ExerciseWindow.h"
#include "KeysExerciseSession.h"
#include "Platform.h"

class QAction;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class WrappingCheckBox;

// The keys exercise: a view of its session, the three candidates with the
// student's ticks and, once checked, the solution beside them.
class KeysExercise final : public ExerciseWindow {
  Q_OBJECT

 public:
  KeysExercise(KeysExerciseSession& session, SchemaHost& host, RandomSource& random,
               MessageService& messages, ErrorDisplay& errors, QWidget* parent = nullptr);

  // Checks the answer and tells the student the verdict.
  void checkAnswer();
  // New candidates for the same schema.
  void startNewTask();

 private:
  void showTask();
  void showPhase();

  KeysExerciseSession& session_;
  ExerciseFeedback* feedback_ = nullptr;

  QWidget* canvas_ = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QPlainTextEdit* Memo_Dep = nullptr;
  QFrame* Panel_zadani = nullptr;
  QFrame* Panel_reseni = nullptr;
  // One box per candidate in each column, made with the window.
  std::array<WrappingCheckBox*, KeyCandidateCount> taskBoxes_{};
  std::array<WrappingCheckBox*, KeyCandidateCount> solutionBoxes_{};
  QPushButton* Button_OK = nullptr;
  QPushButton* Button_new = nullptr;
  QAction* a_spravnaOdpoved = nullptr;
  QAction* a_new = nullptr;
};
