#pragma once

#include <QWidget>
#include <vector>

#include "ExerciseFeedback.h"
#include "OutOfDateNotice.h"
#include "Platform.h"
#include "Schema.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class QAction;
class QCheckBox;
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
  DependencyList dependencies;
  AttributeTable attributeNames;
  int nextTop = 0;
  std::vector<QLineEdit*> dependencyFields;
  std::vector<QCheckBox*> answerBoxes;
  std::vector<QLineEdit*> errorMarks;
  std::vector<QCheckBox*> solutionBoxes;

  QWidget* canvas_ = nullptr;
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
};
