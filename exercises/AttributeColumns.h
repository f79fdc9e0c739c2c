#pragma once

#include <QColor>
#include <QObject>
#include <QSize>
#include <QString>
#include <vector>

#include "AttributeSetExerciseSession.h"

class QAbstractButton;
class QAction;
class QCheckBox;
class QFrame;
class QGridLayout;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class MessageService;
class RowPanel;

// The sizes of the columns, buttons and memo; the window's height is
// restored from here when the window closes.
struct ColumnsLayout {
  QSize window;
  QColor frameColour;
  // The narrowest the task, answer and solution columns get.
  int columnWidth = 0;
  int controlWidth = 0;
  QString okCaption;
  // OK inside the task column, Button_Odpoved inside the answer column.
  QSize ok;
  QSize answerButton;
  QSize memo;
  QSize newTask;
};

// The three columns of the closure and the maximal set exercise, a view of
// their session filled from left to right: the task (the student picks A),
// the answer (the student ticks what belongs to the result) and the solution
// (the program's result, with the student's mistakes in red). A coloured
// frame behind a column marks the active one. Also the dependency memo and
// the button for a new task, which move with the columns when they grow.
class AttributeColumns final : public QObject {
  Q_OBJECT

 public:
  AttributeColumns(QWidget& window, QWidget& canvas, const ColumnsLayout& layout,
                   AttributeSetExerciseSession& session, MessageService& messages,
                   QAction* answerAction, QAction* newTaskAction);

  // The captions over the task, answer and solution columns and the memo.
  void placeHeadings(QWidget* task, QWidget* answer, QWidget* solution, QWidget* memo);
  QPushButton& okButton() const { return *OK; }
  // The column's commands: OK, the solution and the new task.
  std::vector<QPushButton*> commands() const { return {OK, Button_Odpoved, Button_Novy}; }

  // OK: fixes the picked A, or tells the student to pick one.
  void fixTask();
  // Checks the answer, shows the solution and tells the student the verdict.
  void checkAnswer();
  // A new task on the same schema, with the focus on the task column.
  void startNewTask();
  // The window goes back to its opening height; a larger schema grows it
  // again.
  void restoreHeight();

 private:
  // Builds the task column and lists the dependencies; a new task on the
  // same attributes finds the window grown to them already.
  void showTask(bool newAttributes);
  // Builds the answer and solution columns and shows which column is active.
  void showPhase();
  // Decides how the `count` controls of a column stand: one under the other,
  // or side by side in as many lines as the window's height holds.
  void arrangeControls(int count);
  // Shows the control in its column under the previous one, its caption
  // whole when there is room and otherwise shortened in the middle.
  void placeInColumn(RowPanel& column, QAbstractButton& control, const QString& name);
  QCheckBox* addBox(RowPanel& column, const QString& name);
  // The widest the control's caption gets before it is shortened: the three
  // columns and the memo at their narrowest still fit the screen.
  int widestCaption(const QAbstractButton& control) const;
  static int indicator(const QAbstractButton& control);

  QWidget& window_;
  QWidget& canvas_;
  const ColumnsLayout layout_;
  AttributeSetExerciseSession& session_;
  MessageService& messages_;
  QAction* answerAction_;
  QAction* newTaskAction_;
  QGridLayout* grid_ = nullptr;
  // How many controls of a column stand side by side, and how many under
  // each other.
  int sideBySide_ = 1;
  int perLine_ = 1;

  QFrame* Panel_BckGr_1 = nullptr;
  QFrame* Panel_BckGr_odpoved = nullptr;
  QFrame* Panel_BckGr_reseni = nullptr;
  QFrame* Panel1 = nullptr;
  QFrame* Panel_odpoved = nullptr;
  QFrame* Panel_reseni = nullptr;
  // The run-time controls of each column, one per offered attribute.
  RowPanel* taskRows_ = nullptr;
  RowPanel* answerRows_ = nullptr;
  RowPanel* solutionRows_ = nullptr;
  QPushButton* OK = nullptr;
  QPushButton* Button_Odpoved = nullptr;
  QPushButton* Button_Novy = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
};
