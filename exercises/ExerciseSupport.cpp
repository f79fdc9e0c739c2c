#include "ExerciseSupport.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextBlock>
#include <QVBoxLayout>
#include <QtMath>

#include "DataMemo.h"
#include "Display.h"
#include "Legend.h"
#include "Platform.h"
#include "WrappingField.h"

namespace exercise {

namespace {

class Texts final {
  Q_DECLARE_TR_FUNCTIONS(ExerciseSupport)
};

}  // namespace

QFrame* MakePanel(QWidget* parent, const char* name) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  SetBackground(*panel, colours::ButtonFace());
  return panel;
}

QFrame* MakeColouredPanel(QWidget* parent, const char* name, const QColor& colour) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  SetBackground(*panel, colour);
  return panel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, bool bold, bool underline,
                  int pixelSize) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  QFont font = label->font();
  font.setBold(bold);
  font.setUnderline(underline);
  if (pixelSize > 0) font.setPixelSize(pixelSize);
  label->setFont(font);
  label->adjustSize();
  return label;
}

QAction* MakeAction(QWidget* owner, const char* name, const QString& caption) {
  auto* action = new QAction(caption, owner);
  action->setObjectName(QString::fromLatin1(name));
  owner->addAction(action);
  return action;
}

QPushButton* MakeActionButton(QWidget* parent, const char* name, QAction* action) {
  auto* button = new QPushButton(action->text(), parent);
  button->setObjectName(QString::fromLatin1(name));
  QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
  // A button never offers what its action would refuse.
  button->setEnabled(action->isEnabled());
  QObject::connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
  return button;
}

QCheckBox* MakeTickBox(QWidget* parent) {
  auto* box = new QCheckBox(parent);
  SetBackground(*box, colours::ButtonFace());
  box->show();
  return box;
}

QLineEdit* MakeErrorMark(QWidget* parent) {
  auto* mark = new QLineEdit(parent);
  mark->setReadOnly(true);
  mark->setFocusPolicy(Qt::NoFocus);
  mark->setFrame(false);
  SetBackground(*mark, colours::WrongRed);
  mark->hide();
  return mark;
}

WrappingField* MakeDependencyField(QWidget* parent, const QString& text) {
  auto* field = new WrappingField(parent);
  QFont font = field->font();
  font.setPointSize(8);
  field->setFont(font);
  SetBackground(*field, colours::Light3D());
  field->setText(Breakable(text));
  field->show();
  return field;
}

void KeepPlaceWhenHidden(QWidget& widget) {
  QSizePolicy policy = widget.sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget.setSizePolicy(policy);
}

QWidget* MakeMistakeLegend(QWidget* parent) {
  auto* legend = new Legend(parent);
  legend->setObjectName(QStringLiteral("Legend_Marks"));
  legend->AddMistakeColour();
  return legend;
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

void ListFromTop(QPlainTextEdit& memo, const std::vector<std::string>& lines) {
  for (const std::string& line : lines)
    memo.appendPlainText(Breakable(ToText(line)));
  memo.moveCursor(QTextCursor::Start);
  memo.ensureCursorVisible();
}

QPlainTextEdit* MakeDependencyMemo(QWidget* parent, const char* name) {
  auto* memo = new DataMemo(parent);
  memo->setObjectName(QString::fromLatin1(name));
  // Shading the lines is no edit to undo.
  memo->setUndoRedoEnabled(false);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  QObject::connect(memo->document(), &QTextDocument::blockCountChanged, memo,
                   [memo] { ShadeWrappedLines(*memo); });
  return memo;
}

void FitLines(QWidget& window, QWidget& canvas, QPlainTextEdit& memo, int narrowest) {
  memo.setMinimumWidth(narrowest);
  const int room = std::max(narrowest, RoomFor(window, canvas, memo));
  const int needed = WholeLinesWidth(memo);
  // Wrapped at the memo's width nothing of a dependency lies out of view.
  memo.setLineWrapMode(needed > room ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  memo.setMinimumWidth(std::clamp(needed, narrowest, room));
  ShadeWrappedLines(memo);
  GrowToContent(window, canvas);
}

bool AnnounceVerdict(bool correct, MessageService& messages) {
  if (correct) {
    messages.Inform(Texts::tr("Gratuluji! Vase odpoved je spravna"));
    return true;
  }
  return !messages.AskYesNo(Texts::tr("Ve vasi odpovedi jsou chyby, chcete je jeste opravit?"));
}

}  // namespace exercise
