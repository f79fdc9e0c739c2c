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
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Redundant dependencies exercise: the student ticks the dependencies that
// follow from the others.
class TForm_Test_RedDep final : public ToolWindow {
  Q_OBJECT

 public:
  TForm_Test_RedDep(SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
                    QWidget* parent = nullptr);

  void PrepareExercise();
  void a_spravnaodpovedExecute();
  void a_newExecute();
  void a_clearExecute();
  void FormClose() override;

 private:
  void ShowSolution();

  SchemaHost& host_;
  // Says so when the schema changed after the window copied it.
  OutOfDateNotice* notice_ = nullptr;
  ExerciseFeedback* feedback_ = nullptr;
  MessageService& messages_;

  // The exercise's own copy of the schema, taken at preparation, so that the
  // rows and the check always belong to the same list.
  DependencyList dependencies_;
  AttributeTable attributeNames_;
  std::vector<QLineEdit*> dependencyFields_;
  std::vector<QCheckBox*> answerBoxes_;
  std::vector<QLineEdit*> errorMarks_;
  std::vector<QCheckBox*> solutionBoxes_;

  QWidget* canvas_ = nullptr;
  // The dependency rows under the solution's heading.
  QGridLayout* rows_ = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label_SR = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button_new = nullptr;
  QAction* a_spravnaodpoved = nullptr;
  QAction* a_new = nullptr;
  QAction* a_clear = nullptr;

  // Checking is offered exactly while answering.
  void EnterPhase(exercise::Phase phase);
  exercise::Phase phase_ = exercise::Phase::NoTask;
};
