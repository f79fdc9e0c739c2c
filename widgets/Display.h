#pragma once

// Helpers shared by every window that shows a schema: the program's colours,
// text conversion, the scrolling client area and the coloured dependency
// field.

#include <QColor>
#include <QString>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "ModelText.h"
#include "Nf.h"
#include "Schema.h"

class QAction;
class QLineEdit;
class QUndoStack;
class QPlainTextEdit;
class QSize;
class QWidget;
class MessageService;
class WrappingField;

namespace colours {
inline const QColor SelectedYellow(255, 255, 0);
inline const QColor RowYellow(248, 230, 108);  // violates 3NF; stopped being redundant
inline const QColor BcnfGreen(92, 242, 113);   // violates only BCNF
inline const QColor SchemaOrange(244, 131, 20);
inline const QColor WrongRed(255, 0, 0);
inline const QColor White(255, 255, 255);
// The system's light three-dimensional face colour.
QColor Light3D();
// The system's button face colour.
QColor ButtonFace();
// A tint of the selection colour on a text field's background: behind every
// other item of a wrapped list it keeps an item's lines together, plain
// enough to read on and clear enough to see on a dim screen.
QColor Band(const QWidget& field);
}  // namespace colours

// Behind every other of a wrapped memo's first `lines` lines lies a tinted
// band, so that a line's further rows are seen to belong to it; a memo that
// does not wrap has no bands.
void ShadeWrappedLines(QPlainTextEdit& memo, int lines = std::numeric_limits<int>::max());
// The width a memo needs to show its longest line without scrolling.
int WholeLinesWidth(const QPlainTextEdit& memo);

// Appends the lines at the end of a log or memo, each as a line of its own.
void AppendLines(QPlainTextEdit& memo, const std::vector<std::string>& lines);
void AppendLine(QPlainTextEdit& memo, const QString& line);

// Fills the window with a scrolling client area and returns the widget on
// which the controls are placed at fixed places; when the window is smaller
// than `minimum`, the rest is reached by scrolling.
QWidget* MakeScrollingCanvas(QWidget& window, const QSize& minimum);

// Makes a window whose client area scrolls as large as that area needs, up
// to the screen and the height a small screen leaves; it never shrinks, so
// that the student's own size stays, and it stays on the screen.
void GrowToContent(QWidget& window, const QWidget& canvas);

// The widest the client area of a window made by MakeScrollingCanvas may be
// laid out while the window stays within the screen it is on, so that a
// larger screen shows more.
int CanvasRoom(const QWidget& window, const QWidget& canvas);

// The widest `part` may get with the window still within the screen it is
// on: the room of the window's client area less what is laid out beside
// `part`.
int RoomFor(QWidget& window, QWidget& canvas, QWidget& part);

// Gives a window the undo and redo of `stack` as Ctrl+Z and Ctrl+Shift+Z or
// Ctrl+Y; returns the two actions, for a menu that lists them.
std::pair<QAction*, QAction*> AddUndoActions(QWidget& window, QUndoStack& stack);

// Shows a modeless window and brings it to the front.
void ShowModeless(QWidget& window);

// Schema data as it is laid out on screen: a line may break only at the
// blanks around "+" and "->" and after ",", never inside a name (a blank in
// a name becomes a no-break space) nor between "-" and ">" of the arrow
// (which Qt's line breaking would otherwise split after the hyphen). Only
// for showing: copied, saved and printed texts keep the plain characters.
QString Breakable(const QString& text);
// The plain text of a text made by Breakable or BreakableAtBlanks.
QString Unbreakable(const QString& text);
// A sentence or report line about schema data as it is laid out on screen:
// it may break at any blank, as on the printed page, but never between "-"
// and ">" of the arrow.
QString BreakableAtBlanks(const QString& line);

// The whole text of a field followed by the field's hint, as its tooltip.
QString TextWithHint(const QString& text, const QString& hint);

// Shows schema data in a one-line field: the beginning is in view, as the
// student reads it from there, and the tooltip holds the whole text for a
// field too narrow for it.
void ShowWhole(QLineEdit& field, const QString& text);

// The width a one-line field needs to show `text` whole in its own font, so
// that a layout can give it that room.
int WholeTextWidth(const QLineEdit& field, const QString& text);

// Gives a schema field its background, and marks a field whose schema no
// longer belongs to the result (split up, merged or absorbed) with dark grey
// italics on a paler shade of the background, so that the result set stands
// out at a glance; the shade still tells the normal form.
void ShowSuperseded(QWidget& field, bool superseded, const QColor& background);

// Sets the background of a field (line edit, text, panel).
void SetBackground(QWidget& widget, const QColor& colour);
QColor Background(const QWidget& widget);

// The colour of a schema field by the schema's normal form: yellow for
// third normal form, the light 3-D colour for BCNF, orange-red below 3NF.
QColor SchemaFieldColour(NormalFormClass normalForm);

// Shows one dependency in a field that wraps it, coloured and enabled by its
// normal-form class: yellow and enabled when it violates 3NF, green and
// enabled when it violates only BCNF, button face and disabled otherwise.
void ShowDependencyNormalForm(const Dependency& dependency, const KeyList& keys,
                              const AttributeTable& names, WrappingField& field);
