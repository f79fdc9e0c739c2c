#pragma once

// Whether a window lets the student read everything it shows: every label,
// field, button, tick box, drop-down list and group box with text is checked for text
// cut short (a tooltip holding it does not count), for lying where neither
// the window nor a scroll area can bring it into view, and for lying under a
// sibling drawn above it; every wrapping label and text view for lines
// broken inside a name or an arrow; every command button and toolbar action
// for lying out of view or where scrolling can take it away.

#include <QSize>
#include <QStringList>

class QWidget;

// The smallest screen the program is used on.
inline constexpr QSize SmallScreen(1366, 768);

// One line per fault of the shown `window`, naming the control and its text;
// none when the window is legible. The window itself must fit `screen`.
QStringList LegibilityFaults(const QWidget& window, QSize screen = SmallScreen);
