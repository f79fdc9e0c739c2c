#include "Display.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextCursor>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>

#include "Nf.h"
#include "Platform.h"
#include "SchemaListing.h"
#include "WrappingField.h"

namespace colours {
// A shade below the button face, as the light 3-D colour of the classic
// desktop schemes is; the style's own Midlight is far darker in some styles.
QColor Light3D() {
  return QApplication::palette().color(QPalette::Button).darker(106);
}
QColor ButtonFace() {
  return QApplication::palette().color(QPalette::Button);
}
QColor Band(const QWidget& field) {
  const QColor base = field.palette().color(QPalette::Base);
  const QColor tint = field.palette().color(QPalette::Highlight);
  return QColor((base.red() * 7 + tint.red()) / 8, (base.green() * 7 + tint.green()) / 8,
                (base.blue() * 7 + tint.blue()) / 8);
}
}  // namespace colours

QWidget* MakeScrollingCanvas(QWidget& window, const QSize& minimum) {
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea(&window);
  scroll->setObjectName(QStringLiteral("ScrollBox"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  auto* canvas = new QWidget;
  canvas->setObjectName(QStringLiteral("Canvas"));
  canvas->setMinimumSize(minimum);
  scroll->setWidget(canvas);
  layout->addWidget(scroll);
  return canvas;
}

namespace {

// With a title bar and a task bar, a window this tall still fits a screen of
// 768 lines.
constexpr int Tallest = 700;

const QAbstractScrollArea& ScrollAreaOf(const QWidget& canvas) {
  return *qobject_cast<const QAbstractScrollArea*>(canvas.parentWidget()->parentWidget());
}

int ScrollBarExtent(const QWidget& window) {
  return window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window);
}

}  // namespace

void GrowToContent(QWidget& window, const QWidget& canvas) {
  // The scroll area's place is known from the window's layout even before
  // the window is first shown; its viewport's is not.
  const QAbstractScrollArea& area = ScrollAreaOf(canvas);
  window.layout()->activate();
  const int border = 2 * area.frameWidth();
  const QSize frame = window.size() - area.size() + QSize(border, border);
  const QRect screen = window.screen()->availableGeometry();
  QSize content = canvas.minimumSizeHint() + frame;
  // The window's frame, not only its client area, fits the screen.
  const QSize decoration = window.frameGeometry().size() - window.size();
  const int tallest = std::min(screen.height() - decoration.height(), Tallest);
  // Content taller than the window may get scrolls, and the scroll bar takes
  // its width from the content's.
  if (content.height() > tallest) content.rwidth() += ScrollBarExtent(window);
  const QSize wanted = content.boundedTo(QSize(screen.width() - decoration.width(), tallest))
                           .expandedTo(window.size());
  if (wanted == window.size()) return;
  // The window grows to the right and down from where it stands, and moves
  // back only as far as it must to stay on the screen.
  const QRect grown(window.frameGeometry().topLeft(), wanted + decoration);
  window.resize(wanted);
  // A window not shown yet is placed by the window manager.
  if (!window.isVisible()) return;
  const int left =
      std::max(screen.left(), std::min(grown.left(), screen.right() - grown.width() + 1));
  const int top =
      std::max(screen.top(), std::min(grown.top(), screen.bottom() - grown.height() + 1));
  if (QPoint(left, top) != grown.topLeft()) window.move(left, top);
}

int CanvasRoom(const QWidget& window, const QWidget& canvas) {
  // The scroll area spans the window's layout from side to side; the room
  // is that of a window which may still scroll upright. Nothing is laid out
  // for the measure, so it may be taken while controls are being added.
  const QMargins margins = window.layout()->contentsMargins();
  return window.screen()->availableGeometry().width() - margins.left() - margins.right() -
         2 * ScrollAreaOf(canvas).frameWidth() - ScrollBarExtent(window);
}

namespace {

// Drops what the layout and the layouts within it know of their items'
// sizes, so that it measures them afresh without placing anything yet.
void Forget(QLayout& layout) {
  layout.invalidate();
  for (int k = 0; k < layout.count(); ++k) {
    if (QLayout* inner = layout.itemAt(k)->layout()) Forget(*inner);
  }
}

}  // namespace

int RoomFor(QWidget& window, QWidget& canvas, QWidget& part) {
  const int room = CanvasRoom(window, canvas);
  // Measured at the whole room, the part leaves over what stands beside it,
  // whether the layout puts that beside or above it.
  const int least = part.minimumWidth();
  const QSize size = part.size();
  part.setMinimumWidth(room);
  Forget(*canvas.layout());
  const int beside = canvas.minimumSizeHint().width() - room;
  part.setMinimumWidth(least);
  part.resize(size);
  Forget(*canvas.layout());
  return room - beside;
}

// The memo's layout starts every line of a paragraph at the same margin,
// whatever indent the block format asks for, so a hanging indent cannot
// mark where a dependency goes on; a shade behind each other line can.
void ShadeWrappedLines(QPlainTextEdit& memo, int lines) {
  const bool wrapped = memo.lineWrapMode() != QPlainTextEdit::NoWrap;
  const QBrush shade(colours::Band(memo));
  int k = 0;
  for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next(), ++k) {
    QTextBlockFormat format = block.blockFormat();
    if (wrapped && k < lines && k % 2 == 1) {
      if (format.background() == shade) continue;
      format.setBackground(shade);
    } else {
      if (!format.hasProperty(QTextFormat::BackgroundBrush)) continue;
      format.clearBackground();
    }
    QTextCursor(block).setBlockFormat(format);
  }
}

// The width the memo needs to show its longest line whole: the line, the
// document's margin on both sides, the frame, the cursor and the upright
// scroll bar that a long list brings.
int WholeLinesWidth(const QPlainTextEdit& memo) {
  const QFontMetrics metrics(memo.font());
  int widest = 0;
  for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next())
    widest = std::max(widest, metrics.horizontalAdvance(block.text()));
  const int margin = qCeil(memo.document()->documentMargin());
  return widest + 2 * margin + 2 * memo.frameWidth() + memo.cursorWidth() +
         memo.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &memo);
}

void AppendLines(QPlainTextEdit& memo, const std::vector<std::string>& lines) {
  // A shown memo follows what is appended to its end; the reader starts at
  // the first line, so the view stays where it was.
  const int top = memo.verticalScrollBar()->value();
  for (const std::string& line : lines)
    memo.appendPlainText(ToText(line));
  memo.verticalScrollBar()->setValue(top);
}

void AppendLine(QPlainTextEdit& memo, const QString& line) {
  const int top = memo.verticalScrollBar()->value();
  memo.appendPlainText(line);
  memo.verticalScrollBar()->setValue(top);
}

std::pair<QAction*, QAction*> AddUndoActions(QWidget& window, QUndoStack& stack) {
  QAction* undo = stack.createUndoAction(&window, QCoreApplication::translate("Display", "&Zpet"));
  undo->setObjectName(QStringLiteral("a_undo"));
  undo->setShortcut(QKeySequence::Undo);
  QAction* redo = stack.createRedoAction(&window, QCoreApplication::translate("Display", "Z&novu"));
  redo->setObjectName(QStringLiteral("a_redo"));
  // Both keys that programs commonly use for redo, on every desktop.
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  for (QAction* action : {undo, redo}) {
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
  }
  return {undo, redo};
}

void ShowModeless(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

namespace {
constexpr QChar kNoBreakSpace(0x00A0);
constexpr QChar kWordJoiner(0x2060);

bool IsOperator(const QString& text, qsizetype at) {
  return text.at(at) == u'+' ||
         (text.at(at) == u'-' && at + 1 < text.size() && text.at(at + 1) == u'>') ||
         (text.at(at) == u'>' && at > 0 && text.at(at - 1) == u'-');
}

// A blank where a line may break: beside an operator or after a comma.
bool IsBreakingBlank(const QString& text, qsizetype at) {
  const bool afterOperator = at > 0 && (IsOperator(text, at - 1) || text.at(at - 1) == u',');
  const bool beforeOperator = at + 1 < text.size() && IsOperator(text, at + 1);
  return afterOperator || beforeOperator;
}
}  // namespace

QString Breakable(const QString& text) {
  QString shown;
  shown.reserve(text.size() + text.count(QStringLiteral("->")));
  for (qsizetype at = 0; at < text.size(); ++at) {
    const QChar c = text.at(at);
    if (c == u' ' && !IsBreakingBlank(text, at)) {
      shown += kNoBreakSpace;
    } else {
      shown += c;
      if (c == u'-' && at + 1 < text.size() && text.at(at + 1) == u'>') {
        shown += kWordJoiner;
      }
    }
  }
  return shown;
}

QString Unbreakable(const QString& text) {
  QString plain = text;
  plain.remove(kWordJoiner);
  plain.replace(kNoBreakSpace, u' ');
  return plain;
}

QString BreakableAtBlanks(const QString& line) {
  QString shown = line;
  return shown.replace(QStringLiteral("->"), QStringLiteral("-") + kWordJoiner + u'>');
}

QString TextWithHint(const QString& text, const QString& hint) {
  if (text.isEmpty()) return hint;
  return hint.isEmpty() ? text : text + QLatin1Char('\n') + hint;
}

void ShowWhole(QLineEdit& field, const QString& text) {
  field.setText(text);
  field.setToolTip(text);
  field.setCursorPosition(0);
}

int WholeTextWidth(const QLineEdit& field, const QString& text) {
  QStyleOptionFrame option;
  option.initFrom(&field);
  option.lineWidth =
      field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
  const QMargins margins = field.textMargins();
  // The field keeps two pixels on each side of its text; one more keeps the
  // last glyph's overhang.
  const QSize contents(
      field.fontMetrics().horizontalAdvance(text) + 5 + margins.left() + margins.right(),
      field.fontMetrics().height());
  return field.style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, &field).width();
}

void ShowSuperseded(QWidget& field, bool superseded, const QColor& background) {
  // Grey on the full orange would be hard to read: a superseded schema's
  // colour is paled, which keeps dark grey clearly legible on every colour.
  SetBackground(field, superseded ? QColor((background.red() * 9 + 255 * 11) / 20,
                                           (background.green() * 9 + 255 * 11) / 20,
                                           (background.blue() * 9 + 255 * 11) / 20)
                                  : background);
  QPalette palette = field.palette();
  const QColor text =
      superseded ? QColor(60, 60, 60) : QGuiApplication::palette().color(QPalette::Text);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::WindowText, text);
  field.setPalette(palette);
  QFont font = field.font();
  font.setItalic(superseded);
  field.setFont(font);
}

void SetBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, colour);
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

QColor Background(const QWidget& widget) {
  return widget.palette().color(QPalette::Base);
}

QColor SchemaFieldColour(NormalFormClass normalForm) {
  switch (normalForm) {
    case NormalFormClass::ThirdOnly:
      return colours::RowYellow;
    case NormalFormClass::Bcnf:
      return colours::Light3D();
    case NormalFormClass::Violates3NF:
    case NormalFormClass::NotComputed:
      break;
  }
  return colours::SchemaOrange;
}

void ShowDependencyNormalForm(const Dependency& dependency, const KeyList& keys,
                              const AttributeTable& names, WrappingField& field) {
  const AttributeSet nonPrime = MarkNonPrimeAttributes(keys);
  field.setText(Breakable(ToText(ShowDependency(dependency, names))));
  switch (DependencyNormalForm(dependency, keys, nonPrime)) {
    case NormalFormClass::Violates3NF:
      SetBackground(field, colours::RowYellow);
      field.setEnabled(true);
      break;
    case NormalFormClass::ThirdOnly:
      SetBackground(field, colours::BcnfGreen);
      field.setEnabled(true);
      break;
    case NormalFormClass::Bcnf:
    case NormalFormClass::NotComputed:  // a dependency always has a class
      SetBackground(field, colours::ButtonFace());
      field.setEnabled(false);
      break;
  }
}
