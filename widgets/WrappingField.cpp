#include "WrappingField.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "Display.h"

namespace {

// The room a line edit keeps between its frame and its text.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

}  // namespace

WrappingField::WrappingField(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  setBackgroundRole(QPalette::Base);
  setForegroundRole(QPalette::Text);
  setAutoFillBackground(true);
  const int frame = FrameWidth();
  setContentsMargins(frame + kHorizontalMargin, frame + kVerticalMargin, frame + kHorizontalMargin,
                     frame + kVerticalMargin);
}

int WrappingField::FrameWidth() const {
  return style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
}

int WrappingField::OneLineWidth() const {
  const QMargins margins = contentsMargins();
  // One pixel more keeps the last glyph's overhang.
  return fontMetrics().horizontalAdvance(text()) + margins.left() + margins.right() + 1;
}

QSize WrappingField::SizeWithin(int widest) const {
  const int width = std::min(OneLineWidth(), widest);
  return {width, heightForWidth(width)};
}

int WrappingField::heightForWidth(int width) const {
  QStyleOptionFrame option;
  option.initFrom(this);
  option.lineWidth = FrameWidth();
  const QSize line(fontMetrics().horizontalAdvance(QLatin1Char('x')),
                   fontMetrics().height() + 2 * kVerticalMargin);
  const int lineEdit = style()->sizeFromContents(QStyle::CT_LineEdit, &option, line, this).height();
  return std::max(QLabel::heightForWidth(width), lineEdit);
}

QSize WrappingField::sizeHint() const {
  const int width = OneLineWidth();
  return {width, heightForWidth(width)};
}

void WrappingField::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = FrameWidth();
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
  }
  QLabel::paintEvent(event);
}

void WrappingField::copySelection(QClipboard::Mode mode) const {
  if (hasSelectedText()) QGuiApplication::clipboard()->setText(Unbreakable(selectedText()), mode);
}

void WrappingField::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copySelection(QClipboard::Clipboard);
    event->accept();
    return;
  }
  QLabel::keyPressEvent(event);
}

void WrappingField::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  // The selection the label has just offered to a middle click, plain.
  if (QGuiApplication::clipboard()->supportsSelection()) copySelection(QClipboard::Selection);
}

void WrappingField::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* copy =
      menu.addAction(tr("&Kopirovat"), this, [this] { copySelection(QClipboard::Clipboard); });
  copy->setShortcut(QKeySequence::Copy);
  copy->setEnabled(hasSelectedText());
  menu.exec(event->globalPos());
}
