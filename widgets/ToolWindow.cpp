#include "ToolWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "Platform.h"

ToolWindow::ToolWindow(ErrorDisplay& errors, QWidget* parent) : QWidget(parent), errors_(errors) {}

void ToolWindow::SetDefaultButton(QPushButton* button) {
  defaultButton_ = button;
}

bool ToolWindow::RunStep(const std::function<void()>& step) {
  return errors_.Run(step);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
  RunStep([this] { resetWindow(); });
  event->accept();
}

// As in a dialog: Enter presses the focused button, or else the default one.
void ToolWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    QPushButton* button = focused != nullptr ? focused : defaultButton_.data();
    if (button != nullptr && button->isVisible() && button->isEnabled()) {
      button->click();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}
