#include "ShownMark.h"

#include <QEvent>
#include <QPainter>
#include <QPalette>

namespace {

constexpr int kThickness = 3;

}  // namespace

ShownMark::ShownMark(QWidget& field) : QWidget(&field) {
  setObjectName(QStringLiteral("Frame_Shown"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(field.rect());
  field.installEventFilter(this);
  show();
}

void ShownMark::MoveTo(QWidget& window, QWidget* field) {
  for (ShownMark* mark : window.findChildren<ShownMark*>())
    delete mark;
  if (field != nullptr) new ShownMark(*field);
}

bool ShownMark::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return QWidget::eventFilter(watched, event);
}

void ShownMark::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  QPen pen(palette().color(QPalette::Highlight), kThickness);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  // The pen is centred on the rectangle's edge.
  painter.drawRect(QRectF(rect()).adjusted(kThickness / 2.0, kThickness / 2.0, -kThickness / 2.0,
                                           -kThickness / 2.0));
}
