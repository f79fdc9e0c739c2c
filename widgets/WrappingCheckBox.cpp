#include "WrappingCheckBox.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace {

constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

}  // namespace

WrappingCheckBox::WrappingCheckBox(QWidget* parent) : QCheckBox(parent) {
  QSizePolicy policy = sizePolicy();
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

void WrappingCheckBox::SetWidest(int widest) {
  widest_ = widest;
  updateGeometry();
}

int WrappingCheckBox::TextLeft() const {
  return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) +
         style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
}

int WrappingCheckBox::OneLineHeight() const {
  return QCheckBox::sizeHint().height();
}

QRect WrappingCheckBox::TextBounds(int width) const {
  const int room = std::max(1, width - TextLeft());
  return fontMetrics().boundingRect(QRect(0, 0, room, QWIDGETSIZE_MAX), kTextFlags, text());
}

bool WrappingCheckBox::hasHeightForWidth() const {
  return true;
}

int WrappingCheckBox::heightForWidth(int width) const {
  // The first line stands where a one-line box has it; each further line
  // adds its own height.
  const int lines = TextBounds(width).height();
  return std::max(OneLineHeight(), OneLineHeight() - fontMetrics().height() + lines);
}

QSize WrappingCheckBox::sizeHint() const {
  const QSize line = QCheckBox::sizeHint();
  const int width = std::min(line.width(), widest_);
  return {width, heightForWidth(width)};
}

QSize WrappingCheckBox::minimumSizeHint() const {
  // The longest word, so that no word is cut.
  int word = 0;
  for (const QString& part : text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
    word = std::max(word, fontMetrics().horizontalAdvance(part));
  const int width = std::min(TextLeft() + word + 2, sizeHint().width());
  return {width, heightForWidth(width)};
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const {
  return rect().contains(pos);
}

void WrappingCheckBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  // The indicator stands level with the first line.
  option.rect = QRect(0, 0, width(), OneLineHeight());
  QStyleOptionButton indicator = option;
  indicator.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
  painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);
  const int top = (OneLineHeight() - fontMetrics().height()) / 2;
  const QRect text(TextLeft(), top, width() - TextLeft(), height() - top);
  style()->drawItemText(&painter, text, kTextFlags, option.palette, isEnabled(), this->text(),
                        foregroundRole());
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = text.intersected(TextBounds(width()).translated(text.topLeft()));
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}
