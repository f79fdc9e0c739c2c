#pragma once

#include <QWidget>
#include <vector>

#include "ExerciseFeedback.h"
#include "ExerciseSupport.h"
#include "OutOfDateNotice.h"
#include "Platform.h"
#include "Schema.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class QAction;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Decomposition exercise: for every dependency the student states whether
// it violates 3NF or BCNF.
class TForm_Test_Decomposition final : public ToolWindow {
  Q_OBJECT

 public:
  TForm_Test_Decomposition(SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
                           QWidget* parent = nullptr);

  void PrepareExercise();
  void a_spravnaodpovedExecute();
  void a_newExecute();
  void a_clearExecute();
  void FormClose() override;
  // Why the dependency violates 3NF, only BCNF, or neither.
  QStringList ViolationLines(const Dependency& d, AttributeSet nonPrime) const;

 private:
  void ShowSolution();
  void SetSolutionHeadingsVisible(bool visible);

  SchemaHost& host_;
  // Says so when the schema changed after the window copied it.
  OutOfDateNotice* notice_ = nullptr;
  ExerciseFeedback* feedback_ = nullptr;
  MessageService& messages_;

  // The exercise's own copy of the schema and the keys computed for it at
  // preparation, so that the check always judges the dependencies on screen
  // by their own keys.
  DependencyList dependencies_;
  KeyList keys_;
  AttributeTable attributeNames_;
  std::vector<QLineEdit*> dependencyFields_;
  std::vector<QCheckBox*> answerBoxes3NF_;
  std::vector<QCheckBox*> answerBoxesBCNF_;
  std::vector<QLineEdit*> errorMarks3NF_;
  std::vector<QLineEdit*> errorMarksBCNF_;
  std::vector<QCheckBox*> solutionBoxes3NF_;
  std::vector<QCheckBox*> solutionBoxesBCNF_;

  QWidget* canvas_ = nullptr;
  // The rows of the dependency fields, of the answer and of the solution.
  QGridLayout* fieldRows_ = nullptr;
  QGridLayout* answerRows_ = nullptr;
  QGridLayout* solutionRows_ = nullptr;
  QWidget* DependencyFields = nullptr;
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
  QPushButton* Button1 = nullptr;
  QPushButton* Button_new = nullptr;
  QAction* a_spravnaodpoved = nullptr;
  QAction* a_new = nullptr;
  QAction* a_clear = nullptr;

  // Checking is offered exactly while answering.
  void EnterPhase(exercise::Phase phase);
  exercise::Phase phase_ = exercise::Phase::NoTask;
};
