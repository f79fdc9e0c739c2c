#include "Legibility.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QToolBar>
#include <QToolButton>

namespace {

// Allowance for a title bar, which the window's own size leaves out.
constexpr int TitleBar = 30;

QString Caption(QString text) {
  // A mnemonic marker is not drawn.
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return text;
}

// The text a control shows, empty for a control that shows none.
QString ShownText(const QWidget& w) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(&w)) {
    return edit->echoMode() == QLineEdit::Normal ? edit->text() : QString();
  }
  if (const auto* label = qobject_cast<const QLabel*>(&w)) {
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))) {
      return QString();
    }
    return label->text();
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
    return Caption(button->text());
  }
  if (const auto* combo = qobject_cast<const QComboBox*>(&w)) return combo->currentText();
  if (const auto* group = qobject_cast<const QGroupBox*>(&w)) return group->title();
  return QString();
}

bool Checked(const QWidget& w) {
  return qobject_cast<const QLineEdit*>(&w) != nullptr ||
         qobject_cast<const QLabel*>(&w) != nullptr ||
         qobject_cast<const QPushButton*>(&w) != nullptr ||
         qobject_cast<const QCheckBox*>(&w) != nullptr ||
         qobject_cast<const QRadioButton*>(&w) != nullptr ||
         qobject_cast<const QComboBox*>(&w) != nullptr ||
         qobject_cast<const QGroupBox*>(&w) != nullptr;
}

int Advance(const QWidget& w, const QString& text) {
  const QFontMetrics metrics(w.font());
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

// Whether the whole text fits the room the control gives it.
bool Fits(const QWidget& w, const QString& text) {
  const int advance = Advance(w, text);
  const QStyle* style = w.style();
  if (const auto* edit = qobject_cast<const QLineEdit*>(&w)) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect contents = style->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    // The field keeps a margin of two pixels on each side of its text.
    return advance <= contents.width() - margins.left() - margins.right() - 4;
  }
  if (const auto* label = qobject_cast<const QLabel*>(&w)) {
    // A wrapping label's height for its width counts its frame and margins.
    if (label->wordWrap()) return label->heightForWidth(label->width()) <= label->height();
    const QRect room = label->contentsRect();
    const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
    return advance <= room.width() && lines * QFontMetrics(label->font()).lineSpacing() <=
                                          room.height() + QFontMetrics(label->font()).leading();
  }
  if (const auto* button = qobject_cast<const QPushButton*>(&w)) {
    const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    return advance + margin + 2 * frame <= button->width();
  }
  if (const auto* box = qobject_cast<const QAbstractButton*>(&w)) {
    // A box that wraps its text fits when its lines do.
    if (box->hasHeightForWidth()) return box->heightForWidth(box->width()) <= box->height();
    QStyleOptionButton option;
    option.initFrom(box);
    option.rect = box->rect();
    const bool radio = qobject_cast<const QRadioButton*>(box) != nullptr;
    const QRect contents = style->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, box);
    return advance <= contents.width();
  }
  if (const auto* combo = qobject_cast<const QComboBox*>(&w)) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.rect = combo->rect();
    option.editable = combo->isEditable();
    const QRect field =
        style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    return advance <= field.width();
  }
  if (qobject_cast<const QGroupBox*>(&w) != nullptr) return advance <= w.width();
  return true;
}

bool NamePart(QChar c) {
  return c.isLetterOrNumber() || c == u'_';
}

// What is wrong where `text`, laid out in `font` with lines `width` wide,
// breaks its lines: a break between "-" and ">" of an arrow or inside a
// name, or a line wider than the room. Empty when nothing is.
QString BrokenLines(const QString& text, const QFont& font, qreal width,
                    QTextOption::WrapMode wrap) {
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(wrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QString fault;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    if (line.naturalTextWidth() > width + 0.5) {
      fault = QStringLiteral("a line wider than its room");
    }
    const qsizetype at = line.textStart();
    if (at == 0 || at >= text.size()) continue;
    const QChar before = text.at(at - 1);
    const QChar after = text.at(at);
    if (before == u'-' && after == u'>') fault = QStringLiteral("a line break inside \"->\"");
    if (NamePart(before) && NamePart(after)) fault = QStringLiteral("a line break inside a name");
  }
  layout.endLayout();
  return fault;
}

// What is wrong where a wrapping text view or label breaks its lines.
QString BrokenLines(const QWidget& w) {
  if (const auto* label = qobject_cast<const QLabel*>(&w)) {
    if (!label->wordWrap()) return QString();
    const qreal width = label->contentsRect().width() - 2 * label->margin();
    for (const QString& paragraph : label->text().split(QLatin1Char('\n'))) {
      QString fault = BrokenLines(paragraph, label->font(), width, QTextOption::WordWrap);
      if (!fault.isEmpty()) return fault;
    }
    return QString();
  }
  const QTextDocument* document = nullptr;
  const QAbstractScrollArea* view = nullptr;
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(&w)) {
    if (plain->lineWrapMode() == QPlainTextEdit::NoWrap) return QString();
    document = plain->document();
    view = plain;
  } else if (const auto* rich = qobject_cast<const QTextEdit*>(&w)) {
    if (rich->lineWrapMode() == QTextEdit::NoWrap) return QString();
    document = rich->document();
    view = rich;
  } else {
    return QString();
  }
  const qreal width = view->viewport()->width() - 2 * document->documentMargin();
  const QTextOption::WrapMode wrap = document->defaultTextOption().wrapMode();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    const QString fault = BrokenLines(block.text(), document->defaultFont(), width, wrap);
    if (!fault.isEmpty()) return fault + QStringLiteral(" in \"") + block.text() + u'"';
  }
  return QString();
}

// Whether all of `w` is in view: inside each of its parents, the window
// and the screen, and in a part that does not scroll, so that it cannot be
// scrolled away.
QString OutOfSight(const QWidget& w, const QWidget& window, const QRect& screen) {
  QRect shown = w.rect();
  for (const QWidget* up = &w; up != &window; up = up->parentWidget()) {
    const QWidget* parent = up->parentWidget();
    shown = shown.translated(up->pos()).intersected(parent->rect());
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget())) {
      if (area->viewport() == parent &&
          (area->verticalScrollBar()->maximum() > 0 || area->horizontalScrollBar()->maximum() > 0))
        return QStringLiteral("in the scrolling part ") + area->objectName();
    }
  }
  if (shown.size() != w.size()) return QStringLiteral("partly or wholly out of the window");
  const QRect global(w.mapToGlobal(QPoint(0, 0)), w.size());
  if (!screen.contains(global)) return QStringLiteral("off the screen");
  return QString();
}

bool OnRow(const QWidget& w, const QWidget& window) {
  for (const QWidget* up = w.parentWidget(); up != &window; up = up->parentWidget()) {
    if (up->inherits("RowPanel")) return true;
  }
  return false;
}

QString Describe(const QWidget& w, const QString& text) {
  return QStringLiteral("%1 %2 \"%3\"")
      .arg(QString::fromLatin1(w.metaObject()->className()), w.objectName(), text);
}

// Whether the child's own area lies inside its parent's, so that clipping
// takes nothing; the widget a scroll area scrolls is exempt, since scrolling
// brings every part of it into view.
bool InsideParent(const QWidget& child) {
  const QWidget* parent = child.parentWidget();
  if (parent == nullptr || child.isWindow()) return true;
  if (const auto* area = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget())) {
    if (area->viewport() == parent) return true;
  }
  return parent->rect().contains(child.geometry());
}

// The first visible sibling drawn above `w` that covers part of it. A label
// without a background of its own hides only where its glyphs are drawn, as
// a rule of underscores under a heading or a raised "+" does on purpose, so
// it does not count.
const QWidget* CoveringSibling(const QWidget& w) {
  const QWidget* parent = w.parentWidget();
  if (parent == nullptr || w.isWindow()) return nullptr;
  const QObjectList& siblings = parent->children();
  const qsizetype own = siblings.indexOf(const_cast<QWidget*>(&w));
  for (qsizetype k = own + 1; k < siblings.size(); ++k) {
    const auto* sibling = qobject_cast<const QWidget*>(siblings[k]);
    if (sibling == nullptr || sibling->isWindow() || !sibling->isVisible()) continue;
    if (qobject_cast<const QLabel*>(sibling) != nullptr && !sibling->autoFillBackground()) continue;
    if (sibling->geometry().intersects(w.geometry())) return sibling;
  }
  return nullptr;
}

}  // namespace

QStringList LegibilityFaults(const QWidget& window, QSize screen) {
  QStringList faults;
  const QSize limit(screen.width(), screen.height() - TitleBar);
  if (window.width() > limit.width() || window.height() > limit.height()) {
    faults << QStringLiteral("window %1 is %2 x %3, larger than the screen")
                  .arg(window.objectName())
                  .arg(window.width())
                  .arg(window.height());
  }
  for (const QPlainTextEdit* memo : window.findChildren<QPlainTextEdit*>()) {
    if (memo->isVisible() && memo->verticalScrollBar()->value() > 0)
      faults << QStringLiteral("memo %1 does not show its first line").arg(memo->objectName());
  }
  const QRect screenArea(QPoint(0, 0), screen);
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisible() || w->window() != &window) continue;
    const QString broken = BrokenLines(*w);
    if (!broken.isEmpty())
      faults << QStringLiteral("%1 %2: ").arg(QString::fromLatin1(w->metaObject()->className()),
                                              w->objectName()) +
                    broken;
    // A button of a list's row (on a RowPanel) scrolls with the data it acts on.
    if (qobject_cast<const QPushButton*>(w) != nullptr && !OnRow(*w, window)) {
      const QString away = OutOfSight(*w, window, screenArea);
      if (!away.isEmpty())
        faults << Describe(*w, ShownText(*w)) + QStringLiteral(": command ") + away;
    }
  }
  for (const QToolBar* bar : window.findChildren<QToolBar*>()) {
    if (!bar->isVisible() || bar->window() != &window) continue;
    for (QAction* action : bar->actions()) {
      if (!action->isVisible() || action->isSeparator()) continue;
      const QWidget* button = bar->widgetForAction(action);
      const QString away = button == nullptr || !button->isVisible()
                               ? QStringLiteral("hidden in the toolbar's overflow")
                               : OutOfSight(*button, window, screenArea);
      if (!away.isEmpty()) faults << QStringLiteral("action %1: ").arg(action->objectName()) + away;
    }
  }
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    if (!Checked(*w) || !w->isVisible() || w->window() != &window) continue;
    const QString text = ShownText(*w);
    if (text.trimmed().isEmpty()) continue;
    const bool elided = text.contains(QChar(0x2026));
    if (elided || !Fits(*w, text))
      faults << Describe(*w, text) + QStringLiteral(": text cut short");
    for (const QWidget* up = w; up != &window; up = up->parentWidget()) {
      if (!InsideParent(*up)) {
        faults << Describe(*w, text) + QStringLiteral(": out of view in ") + up->objectName();
        break;
      }
    }
    if (const QWidget* above = CoveringSibling(*w)) {
      faults << Describe(*w, text) + QStringLiteral(": lies under ") +
                    QString::fromLatin1(above->metaObject()->className()) + QLatin1Char(' ') +
                    above->objectName();
    }
  }
  return faults;
}
