#pragma once

#include <QWidget>
#include <vector>

#include "ExerciseFeedback.h"
#include "ExerciseWindow.h"
#include "Platform.h"
#include "RedundantDependenciesExerciseSession.h"

class QAction;
class QCheckBox;
class QLineEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class RowPanel;

// The redundant dependencies exercise: a view of its session, one row per
// dependency with the student's tick box and, once checked, the solution.
class RedundantDependenciesExercise final : public ExerciseWindow {
  Q_OBJECT

 public:
  RedundantDependenciesExercise(RedundantDependenciesExerciseSession& session, SchemaHost& host,
                                RandomSource& random, MessageService& messages,
                                ErrorDisplay& errors, QWidget* parent = nullptr);

  // Checks the answer; a wrong one may still be corrected.
  void checkAnswer();

 protected:
  void resetWindow() override;

 private:
  void buildRows();
  void showPhase(ExerciseSession::Phase phase);

  RedundantDependenciesExerciseSession& session_;
  MessageService& messages_;
  ExerciseFeedback* feedback_ = nullptr;

  QWidget* canvas_ = nullptr;
  RowPanel* rows_ = nullptr;
  // The controls of each row, made and destroyed with the rows.
  struct RowControls {
    QCheckBox* answer;
    QLineEdit* mark;
    QCheckBox* solution;
  };
  std::vector<RowControls> rowControls_;
  QLabel* Label_SR = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button_new = nullptr;
  QAction* a_spravnaodpoved = nullptr;
  QAction* a_new = nullptr;
};
