#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "CorrectableExercise.h"
#include "DecompositionExerciseSession.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class RowPanel;

// The decomposition exercise: a view of its session, one row per dependency
// with the student's 3NF and BCNF ticks and, once checked, the solution.
class DecompositionExercise final : public CorrectableExercise {
  Q_OBJECT

 public:
  DecompositionExercise(DecompositionExerciseSession& session, SchemaHost& host,
                        RandomSource& random, MessageService& messages, ErrorDisplay& errors,
                        QWidget* parent = nullptr);

 private:
  void buildRows();
  void showPhase(ExerciseSession::Phase phase);

  DecompositionExerciseSession& session_;
  QWidget* canvas_ = nullptr;
  // The rows of the dependency fields, of the answer and of the solution,
  // each column on a panel that owns its controls.
  RowPanel* DependencyFields = nullptr;
  RowPanel* answerRows_ = nullptr;
  RowPanel* solutionRows_ = nullptr;
  // The controls of each row, 3NF first, made and destroyed with the rows.
  struct RowControls {
    std::array<QCheckBox*, 2> answer;
    std::array<QLineEdit*, 2> mark;
    std::array<QCheckBox*, 2> solution;
  };
  std::vector<RowControls> rowControls_;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label_O1 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label_O2 = nullptr;
  QLabel* Label_SR = nullptr;
  QLabel* Label_R1 = nullptr;
  QLabel* Label_R3 = nullptr;
  QLabel* Label_R2 = nullptr;
  QGroupBox* GB_odpoved = nullptr;
  QGroupBox* GB_reseni = nullptr;
  QLabel* Label3 = nullptr;
  QPlainTextEdit* Memo_Atr = nullptr;
  QLabel* Label4 = nullptr;
  QPlainTextEdit* Memo_Dep = nullptr;
};
