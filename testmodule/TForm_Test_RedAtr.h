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
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

// Redundant attributes exercise: the student marks the left-hand attributes
// that can go. Works on two private copies of the dependency list.
class TForm_Test_RedAtr final : public ToolWindow {
  Q_OBJECT

 public:
  TForm_Test_RedAtr(SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
                    QWidget* parent = nullptr);

  void PrepareExercise();
  void DynamicButtonClick(QPushButton* button);
  void a_spravnaodpovedExecute();
  void a_newExecute();
  void a_clearExecute();
  void FormClose() override;

  // An attribute button's tag: truth + 10 x mark, truth 1 when the attribute
  // is redundant in its dependency, mark 1 when the student marked it.
  static constexpr const char* TagProperty = "tag";

 private:
  void AttachClick(QPushButton* button);
  void ShowSolution();

  SchemaHost& host_;
  // Says so when the schema changed after the window copied it.
  OutOfDateNotice* notice_ = nullptr;
  ExerciseFeedback* feedback_ = nullptr;
  MessageService& messages_;

  DependencyList workingCopy;
  DependencyList reducedCopy;
  AttributeTable attributeNames_;
  std::vector<QLabel*> dependencyLabels;
  std::vector<QPushButton*> attributeButtons;
  // The record and left-hand attribute each button stands for.
  std::vector<std::pair<const Dependency*, AttributeIndex>> buttonItems_;
  AttributeSet redundantFlags;

  QWidget* canvas_ = nullptr;
  // Each dependency's text with the line of its attribute buttons below.
  QVBoxLayout* lines_ = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
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
