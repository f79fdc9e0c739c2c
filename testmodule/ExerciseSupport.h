#pragma once

// Building blocks of the exercise windows: a client area on which controls
// stand at fixed places and which scrolls when it outgrows the window, and
// the few kinds of control the exercises create.

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <string>
#include <vector>

class QAbstractButton;
class QAction;
class QCheckBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace exercise {

// Navy frame behind the active column of the closure exercise.
inline const QColor Navy(0, 0, 128);

// Puts a scrolling client area of `size` into `window` and returns the
// widget on which the controls are placed. The window starts at that size.
QWidget* MakeCanvas(QWidget& window, const QSize& size);

// Makes the window and its client area taller (or shorter) by `dy`.
void GrowWindow(QWidget& window, QWidget& canvas, int dy);

// Sets the window's height and makes the client area at least that tall.
void SetWindowHeight(QWidget& window, QWidget& canvas, int height);

// Lets the client area reach down to `bottom`, so that rows below the
// window's lower edge can be scrolled to; never below `minimum`.
void FitCanvas(QWidget& canvas, int bottom, int minimum);

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

// Places a choice control of an exercise column under the previous one:
// left 10, top 10 for the first, the previous top + 35 otherwise; 30 high,
// font size 10, black, on the column's button face colour.
void PlaceInColumn(QAbstractButton& control, const QAbstractButton* previous, int width);

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

// Enter presses the window's default button, as in a dialog.
bool PressDefaultButton(QKeyEvent* event, QPushButton* button);

void ShowModeless(QWidget& window);

// Lists the lines into a memo and shows its beginning, so that a long task
// is read from its first line.
void ListFromTop(QPlainTextEdit& memo, const std::vector<std::string>& lines);

}  // namespace exercise
