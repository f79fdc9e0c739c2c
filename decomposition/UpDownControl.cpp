#include "UpDownControl.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

UpDownControl::UpDownControl(QWidget* parent) : QWidget(parent) {
  up_ = new QToolButton(this);
  up_->setObjectName(QStringLiteral("Up"));
  up_->setArrowType(Qt::UpArrow);
  down_ = new QToolButton(this);
  down_->setObjectName(QStringLiteral("Down"));
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* button : {up_, down_}) {
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    button->setAutoRepeat(true);
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up_);
  layout->addWidget(down_);
  connect(up_, &QToolButton::clicked, this, [this] { Press(true); });
  connect(down_, &QToolButton::clicked, this, [this] { Press(false); });
}

void UpDownControl::SetPosition(int position) {
  position_ = std::max(0, position);
}

void UpDownControl::Press(bool up) {
  SetPosition(up ? position_ + 1 : position_ - 1);
  emit Click(position_, up);
}
