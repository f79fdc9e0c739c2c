#include "UpDownControl.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

UpDownControl::UpDownControl(const QString& upName, const QString& downName, QWidget* parent)
    : QWidget(parent) {
  up_ = new QToolButton(this);
  up_->setObjectName(upName);
  up_->setArrowType(Qt::UpArrow);
  down_ = new QToolButton(this);
  down_->setObjectName(downName);
  down_->setArrowType(Qt::DownArrow);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (QToolButton* button : {up_, down_}) {
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(button);
  }
  connect(up_, &QToolButton::clicked, this, [this] { Press(true); });
  connect(down_, &QToolButton::clicked, this, [this] { Press(false); });
}

void UpDownControl::SetPosition(int position) {
  position_ = std::max(0, position);
}

void UpDownControl::SetAutoRepeat(bool repeat) {
  up_->setAutoRepeat(repeat);
  down_->setAutoRepeat(repeat);
}

void UpDownControl::Press(bool up) {
  SetPosition(up ? position_ + 1 : position_ - 1);
  emit Click(position_, up);
}
