#pragma once

// Building blocks of the exercise windows: the few kinds of control the
// exercises create.

#include <QAction>
#include <QColor>
#include <QString>
#include <string>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class MessageService;
class WrappingField;

namespace exercise {

// Navy frame behind the active column of the closure exercise.
inline const QColor Navy(0, 0, 128);

// The tallest a growing exercise window gets: with a title bar and a task bar
// it still fits a screen of 768 lines, and the client area scrolls beyond.
inline constexpr int TallestWindow = 700;

// A panel: a raised face-coloured area holding controls, or, with a
// colour, a flat coloured area such as the frame behind an active column.
QFrame* MakePanel(QWidget* parent, const char* name);
QFrame* MakeColouredPanel(QWidget* parent, const char* name, const QColor& colour);

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, bool bold = false,
                  bool underline = false, int pixelSize = 0);

// A push button that runs `action`, captioned with the action's caption.
QPushButton* MakeActionButton(QWidget* parent, const char* name, QAction* action);

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
QCheckBox* MakeTickBox(QWidget* parent);

// The red field that frames a wrong answer; hidden until the solution shows.
QLineEdit* MakeErrorMark(QWidget* parent);

// A read-only field showing a dependency in the light 3-D colour; a
// dependency too long for the field's width goes on onto further lines.
WrappingField* MakeDependencyField(QWidget* parent, const QString& text);

// A hidden control keeps its place, so that nothing shifts when it shows.
void KeepPlaceWhenHidden(QWidget& widget);

// The legend under an exercise that says what the red of a mistake means.
QWidget* MakeMistakeLegend(QWidget* parent);

// Text colour of a caption; kept also while the control or its column is
// disabled, so that red marks stay visible in the solution column.
void SetFontColour(QWidget& widget, const QColor& colour);
QColor FontColour(const QWidget& widget);

// Lists the lines of schema data into a memo, in the form that breaks only
// between names and operators, and shows its beginning, so that a long task
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

// The verdict of the exercises in which a wrong answer may still be
// corrected: a right answer is praised; for a wrong one the student is asked
// whether to correct it. Says whether the solution is to be shown now, that
// is unless the student goes back to correct the answer.
bool AnnounceVerdict(bool correct, MessageService& messages);

}  // namespace exercise
