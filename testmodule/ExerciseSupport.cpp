#include "ExerciseSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "Display.h"

namespace exercise {

QWidget* MakeCanvas(QWidget& window, const QSize& size) {
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea(&window);
  scroll->setObjectName(QStringLiteral("ScrollBox"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  auto* canvas = new QWidget;
  canvas->setObjectName(QStringLiteral("Canvas"));
  canvas->setMinimumSize(size);
  scroll->setWidget(canvas);
  layout->addWidget(scroll);
  window.resize(size);
  return canvas;
}

void GrowWindow(QWidget& window, QWidget& canvas, int dy) {
  canvas.setMinimumHeight(canvas.minimumHeight() + dy);
  window.resize(window.width(), window.height() + dy);
}

void SetWindowHeight(QWidget& window, QWidget& canvas, int height) {
  canvas.setMinimumHeight(height);
  window.resize(window.width(), height);
}

void FitCanvas(QWidget& canvas, int bottom, int minimum) {
  canvas.setMinimumHeight(std::max(bottom, minimum));
}

QFrame* MakePanel(QWidget* parent, const char* name, const QRect& geometry) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setGeometry(geometry);
  SetBackground(*panel, colours::ButtonFace());
  return panel;
}

QFrame* MakeColouredPanel(QWidget* parent, const char* name, const QRect& geometry,
                          const QColor& colour) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setGeometry(geometry);
  SetBackground(*panel, colour);
  return panel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QPoint at, bool bold,
                  bool underline, int pixelSize) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  QFont font = label->font();
  font.setBold(bold);
  font.setUnderline(underline);
  if (pixelSize > 0) font.setPixelSize(pixelSize);
  label->setFont(font);
  label->adjustSize();
  label->move(at);
  return label;
}

QAction* MakeAction(QWidget* owner, const char* name, const QString& caption) {
  auto* action = new QAction(caption, owner);
  action->setObjectName(QString::fromLatin1(name));
  owner->addAction(action);
  return action;
}

QPushButton* MakeActionButton(QWidget* parent, const char* name, QAction* action,
                              const QRect& geometry) {
  auto* button = new QPushButton(action->text(), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  // Never narrower than its caption needs with the desktop's font.
  if (button->sizeHint().width() > geometry.width())
    button->resize(button->sizeHint().width(), geometry.height());
  QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
  return button;
}

void PlaceInColumn(QAbstractButton& control, const QAbstractButton* previous, int width) {
  const int top = previous == nullptr ? 10 : previous->y() + 35;
  control.setGeometry(10, top, width, 30);
  QFont font = control.font();
  font.setPointSize(10);
  control.setFont(font);
  SetFontColour(control, Qt::black);
  // No fill of its own: the column's face colour shows through, and the
  // column's bevel stays visible at the box's right end.
  control.show();
}

QCheckBox* MakeTickBox(QWidget* parent, const QRect& geometry) {
  auto* box = new QCheckBox(parent);
  box->setGeometry(geometry);
  SetBackground(*box, colours::ButtonFace());
  box->show();
  return box;
}

QLineEdit* MakeErrorMark(QWidget* parent, const QRect& geometry) {
  auto* mark = new QLineEdit(parent);
  mark->setGeometry(geometry);
  mark->setReadOnly(true);
  mark->setFocusPolicy(Qt::NoFocus);
  mark->setFrame(false);
  SetBackground(*mark, colours::WrongRed);
  mark->hide();
  return mark;
}

QLineEdit* MakeDependencyField(QWidget* parent, const QRect& geometry, const QString& text) {
  auto* field = new QLineEdit(text, parent);
  field->setGeometry(geometry);
  field->setReadOnly(true);
  QFont font = field->font();
  font.setPointSize(8);
  field->setFont(font);
  SetBackground(*field, colours::Light3D());
  field->setCursorPosition(0);
  field->show();
  return field;
}

void SetFontColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::WindowText, colour);
    palette.setColor(group, QPalette::ButtonText, colour);
    palette.setColor(group, QPalette::Text, colour);
  }
  widget.setPalette(palette);
}

QColor FontColour(const QWidget& widget) {
  return widget.palette().color(QPalette::WindowText);
}

bool PressDefaultButton(QKeyEvent* event, QPushButton* button) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
  if (button == nullptr || !button->isVisible() || !button->isEnabled()) return false;
  button->click();
  return true;
}

void ShowModeless(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

void ListFromTop(QPlainTextEdit& memo, const std::vector<std::string>& lines) {
  AppendLines(memo, lines);
  memo.moveCursor(QTextCursor::Start);
  memo.ensureCursorVisible();
}

}  // namespace exercise
