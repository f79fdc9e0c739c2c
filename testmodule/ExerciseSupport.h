#pragma once

// Building blocks of the exercise windows: the few kinds of control the
// exercises create and the columns of the closure and maximal set exercises.

#include <QAction>
#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "Schema.h"

class QAbstractButton;
class QAction;
class QCheckBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class MessageService;

namespace exercise {

// Where an exercise stands. An answer can be checked exactly while the
// student answers a task; a reset leaves no task, so that no action, button
// or shortcut can judge or score what is no longer there.
enum class Phase { NoTask, Answering, Checked };

// Navy frame behind the active column of the closure exercise.
inline const QColor Navy(0, 0, 128);

// The tallest a growing exercise window gets: with a title bar and a task bar
// it still fits a screen of 768 lines, and the client area scrolls beyond.
inline constexpr int TallestWindow = 700;

// A panel: a raised face-coloured area holding controls, or, with a
// colour, a flat coloured area such as the frame behind an active column.
QFrame* MakePanel(QWidget* parent, const char* name, const QRect& geometry);
QFrame* MakeColouredPanel(QWidget* parent, const char* name, const QRect& geometry,
                          const QColor& colour);

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QPoint at,
                  bool bold = false, bool underline = false, int pixelSize = 0);

// A push button that runs `action`, captioned with the action's caption.
QPushButton* MakeActionButton(QWidget* parent, const char* name, QAction* action,
                              const QRect& geometry);

QAction* MakeAction(QWidget* owner, const char* name, const QString& caption);

// An action of the window that runs one of its handlers.
template <typename Window>
QAction* MakeAction(Window* owner, const char* name, const QString& caption,
                    void (Window::*handler)()) {
  QAction* action = MakeAction(static_cast<QWidget*>(owner), name, caption);
  QObject::connect(action, &QAction::triggered, owner, handler);
  return action;
}

// A tick box without caption, 17 x 17, not ticked, in the button face colour.
QCheckBox* MakeTickBox(QWidget* parent, const QRect& geometry);

// The red field that frames a wrong answer; hidden until the solution shows.
QLineEdit* MakeErrorMark(QWidget* parent, const QRect& geometry);

// A read-only one-line field showing a dependency in the light 3-D colour.
QLineEdit* MakeDependencyField(QWidget* parent, const QRect& geometry, const QString& text);

// Text colour of a caption; kept also while the control or its column is
// disabled, so that red marks stay visible in the solution column.
void SetFontColour(QWidget& widget, const QColor& colour);
QColor FontColour(const QWidget& widget);

// Lists the lines into a memo and shows its beginning, so that a long task
// is read from its first line.
void ListFromTop(QPlainTextEdit& memo, const std::vector<std::string>& lines);

// A read-only memo listing dependencies, one a line. Once its lines wrap,
// every other line is shaded, so that the continuation of a long
// dependency is told apart from the start of the next one.
QPlainTextEdit* MakeDependencyMemo(QWidget* parent, const char* name);

// Gives a dependency memo the width of its longest line, from `narrowest`
// up to what the screen leaves it, and grows the window to it; lines still
// wider wrap at the memo's width.
void FitLines(QWidget& window, QWidget& canvas, QPlainTextEdit& memo, int narrowest);

// The first step of preparing every exercise: a schema without attributes
// offers no task, so that the confirming button is disabled and nothing is
// built. Says whether there is a task.
bool OffersTask(const Schema& schema, QPushButton& confirm);

// The verdict of the exercises in which a wrong answer may still be
// corrected: a right answer is praised; for a wrong one the student is asked
// whether to correct it. Says whether the solution is to be shown now, that
// is unless the student goes back to correct the answer.
bool AnnounceVerdict(bool correct, MessageService& messages);

// The sizes of the closure and maximal set exercises' columns, buttons and
// memo; the window's size is restored from here when the window closes.
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

// The columns are taller than a column of seven controls would need: eight
// controls fit above the column's button, and from the ninth on every
// control grows the column.
inline constexpr int ColumnHeight = 323;

// What the student fixes A with: tick boxes for a set of attributes, radio
// buttons for one attribute.
enum class TaskControl { TickBoxes, RadioButtons };

// The three columns of the closure and the maximal set exercise, filled
// from left to right: the task (the student fixes A), the answer (the
// student ticks what belongs to the result) and the solution (the program's
// result, with the student's mistakes in red). A coloured frame behind a
// column marks the active one. Also the dependency memo and the button for
// a new task, which move with the columns when they grow.
class AnswerColumns {
 public:
  AnswerColumns(QWidget& window, QWidget& canvas, const ColumnsLayout& layout,
                QAction* answerAction, QAction* newTaskAction);

  // The captions over the task, answer and solution columns and the memo.
  void PlaceHeadings(QWidget* task, QWidget* answer, QWidget* solution, QWidget* memo);

  // A task control for every named attribute, in slot order; `shown` gets
  // the attribute behind each. At preparation (`grow`) the columns grow to
  // hold them all; a new task on the same schema finds them grown already.
  void AddTasks(const AttributeTable& names, TaskControl control, bool grow);

  // OK: `chosen` takes the attributes whose task controls are chosen. With
  // none the student is told to choose one and everything stays; otherwise
  // the answer column, with a box per task, becomes the active one.
  void FixTask(AttributeSet& chosen, MessageService& messages);
  // Checking: the solution column ticks the attributes of `result`, a box
  // the answer ticked otherwise turns red, and the student is told whether
  // the answer was right.
  // Returns whether the answer was right.
  bool ShowSolution(const AttributeSet& result, MessageService& messages);
  // Destroys the controls of every column, hides the answer's and the
  // solution's frames and Button_Odpoved and Button_Novy, and makes the task
  // and answer columns and their buttons usable again.
  void Clear();
  // Lists the dependencies into the memo from its first line, as wide as
  // the screen lets them stand whole.
  void ListDependencies(const std::vector<std::string>& lines);
  // Empties the memo and restores the window's height; the three buttons
  // are enabled.
  void Reset();

  QFrame* Panel_BckGr_1 = nullptr;
  QFrame* Panel_BckGr_odpoved = nullptr;
  QFrame* Panel_BckGr_reseni = nullptr;
  QFrame* Panel1 = nullptr;
  QFrame* Panel_odpoved = nullptr;
  QFrame* Panel_reseni = nullptr;
  QPushButton* OK = nullptr;
  QPushButton* Button_Odpoved = nullptr;
  QPushButton* Button_Novy = nullptr;
  QPlainTextEdit* Memo1 = nullptr;

  // The attribute behind the k-th control of every column.
  std::vector<AttributeIndex> shown;
  std::vector<QAbstractButton*> tasks;
  std::vector<QCheckBox*> answers;
  std::vector<QCheckBox*> solutions;

 private:
  QCheckBox* AddBox(QFrame* column, std::vector<QCheckBox*>& boxes, const QString& name);
  // Shows the control in its column under the previous one, its caption
  // whole when there is room and otherwise shortened in the middle.
  void PlaceInColumn(QFrame* column, QAbstractButton& control, const QString& name);
  // The widest the control's caption gets before it is shortened: the three
  // columns and the memo at its narrowest still fit the screen.
  int WidestCaption(const QAbstractButton& control) const;

  QWidget& window_;
  QWidget& canvas_;
  ColumnsLayout layout_;
  QGridLayout* grid_ = nullptr;
};

}  // namespace exercise
