#pragma once

#include <QWidget>
#include <vector>

#include "CorrectableExercise.h"
#include "RedundantDependenciesExerciseSession.h"

class QCheckBox;
class QLineEdit;
class QLabel;
class QPlainTextEdit;
class RowPanel;

// The redundant dependencies exercise: a view of its session, one row per
// dependency with the student's tick box and, once checked, the solution.
class RedundantDependenciesExercise final : public CorrectableExercise {
  Q_OBJECT

 public:
  RedundantDependenciesExercise(RedundantDependenciesExerciseSession& session, SchemaHost& host,
                                RandomSource& random, MessageService& messages,
                                ErrorDisplay& errors, QWidget* parent = nullptr);

 private:
  void buildRows();
  void showPhase(ExerciseSession::Phase phase);

  RedundantDependenciesExerciseSession& session_;
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
};
