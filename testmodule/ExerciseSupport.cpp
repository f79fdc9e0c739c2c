#include "ExerciseSupport.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "Display.h"
#include "Platform.h"

namespace exercise {

namespace {

class Texts final {
  Q_DECLARE_TR_FUNCTIONS(ExerciseSupport)
};

}  // namespace

QWidget* MakeCanvas(QWidget& window, const QSize& size) {
  QWidget* canvas = MakeScrollingCanvas(window, size);
  window.resize(size);
  return canvas;
}

void GrowWindow(QWidget& window, QWidget& canvas, int dy) {
  canvas.setMinimumHeight(canvas.minimumHeight() + dy);
  window.resize(window.width(), std::min(window.height() + dy, TallestWindow));
}

void SetWindowHeight(QWidget& window, QWidget& canvas, int height) {
  canvas.setMinimumHeight(height);
  window.resize(window.width(), std::min(height, TallestWindow));
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
  ShowWhole(*field, text);
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

void ListFromTop(QPlainTextEdit& memo, const std::vector<std::string>& lines) {
  AppendLines(memo, lines);
  memo.moveCursor(QTextCursor::Start);
  memo.ensureCursorVisible();
}

bool OffersTask(const Schema& schema, QPushButton& confirm) {
  const bool task = !schema.attributes[0].empty();
  confirm.setEnabled(task);
  return task;
}

bool AnnounceVerdict(bool correct, MessageService& messages) {
  if (correct) {
    messages.Inform(Texts::tr("Gratuluji! Vase odpoved je spravna"));
    return true;
  }
  return !messages.AskYesNo(Texts::tr("Ve vasi odpovedi jsou chyby, chcete je jeste opravit?"));
}

namespace {

// One control more in every column: the tops of the controls are this far
// apart.
constexpr int Pitch = 35;
// The lowest top of a control that still fits above the column's button.
constexpr int LastTopWithoutGrowing = 280;

}  // namespace

AnswerColumns::AnswerColumns(QWidget& window, QWidget& canvas, const ColumnsLayout& layout,
                             QAction* answerAction, QAction* newTaskAction)
    : window_(window), canvas_(canvas), layout_(layout) {
  Panel_BckGr_1 = MakeColouredPanel(&canvas, "Panel_BckGr_1", layout.frames[0], layout.frameColour);
  Panel_BckGr_odpoved =
      MakeColouredPanel(&canvas, "Panel_BckGr_odpoved", layout.frames[1], layout.frameColour);
  Panel_BckGr_reseni =
      MakeColouredPanel(&canvas, "Panel_BckGr_reseni", layout.frames[2], layout.frameColour);
  Panel_BckGr_odpoved->hide();
  Panel_BckGr_reseni->hide();

  Panel1 = MakePanel(&canvas, "Panel1", layout.columns[0]);
  Panel_odpoved = MakePanel(&canvas, "Panel_odpoved", layout.columns[1]);
  Panel_reseni = MakePanel(&canvas, "Panel_reseni", layout.columns[2]);
  // The solution column only shows; its boxes cannot be changed.
  Panel_reseni->setEnabled(false);

  OK = new QPushButton(layout.okCaption, Panel1);
  OK->setObjectName(QStringLiteral("OK"));
  OK->setGeometry(layout.ok);
  OK->setDefault(true);
  Button_Odpoved =
      MakeActionButton(Panel_odpoved, "Button_Odpoved", answerAction, layout.answerButton);
  Button_Odpoved->hide();

  Memo1 = new QPlainTextEdit(&canvas);
  // Dependencies read best whole, one a line; a long one scrolls sideways.
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setGeometry(layout.memo);
  Button_Novy = MakeActionButton(&canvas, "Button_Novy", newTaskAction, layout.newTask);
  Button_Novy->hide();
}

QCheckBox* AnswerColumns::AddBox(QFrame* column, std::vector<QCheckBox*>& boxes,
                                 const QString& name) {
  auto* box = new QCheckBox(name, column);
  PlaceInColumn(*box, boxes.empty() ? nullptr : boxes.back(), layout_.controlWidth);
  boxes.push_back(box);
  return box;
}

void AnswerColumns::GrowFor(const QAbstractButton& control) {
  if (control.y() <= LastTopWithoutGrowing) return;
  for (QFrame* panel : {Panel1, Panel_odpoved, Panel_reseni, Panel_BckGr_1, Panel_BckGr_odpoved,
                        Panel_BckGr_reseni}) {
    panel->resize(panel->width(), panel->height() + Pitch);
  }
  for (QPushButton* button : {OK, Button_Odpoved, Button_Novy})
    button->move(button->x(), button->y() + Pitch);
  GrowWindow(window_, canvas_, Pitch);
}

void AnswerColumns::AddTasks(const AttributeTable& names, TaskControl control, bool grow) {
  shown.clear();
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (names[i].empty()) continue;
    shown.push_back(i);
    QAbstractButton* task = nullptr;
    if (control == TaskControl::RadioButtons) {
      task = new QRadioButton(ToText(names[i]), Panel1);
    } else {
      task = new QCheckBox(ToText(names[i]), Panel1);
    }
    PlaceInColumn(*task, tasks.empty() ? nullptr : tasks.back(), layout_.controlWidth);
    tasks.push_back(task);
    Panel_BckGr_1->show();
    if (grow) GrowFor(*task);
  }
  OK->raise();
}

void AnswerColumns::FixTask(AttributeSet& chosen, MessageService& messages) {
  chosen = AttributeSet{};
  for (std::size_t k = 0; k < tasks.size(); ++k) {
    if (tasks[k]->isChecked()) chosen.Add(shown[k]);
  }
  if (chosen.Empty()) {
    messages.Inform(Texts::tr("Musite zvolit alespon 1 atribut"));
    return;
  }
  for (const QAbstractButton* task : tasks)
    AddBox(Panel_odpoved, answers, task->text());
  Button_Odpoved->raise();
  Panel_BckGr_1->hide();
  Panel_BckGr_odpoved->show();
  Button_Odpoved->show();
  OK->setEnabled(false);
  Panel1->setEnabled(false);
  Button_Odpoved->setFocus();
}

bool AnswerColumns::ShowSolution(const AttributeSet& result, MessageService& messages) {
  bool wrong = false;
  for (std::size_t k = 0; k < answers.size(); ++k) {
    QCheckBox* solution = AddBox(Panel_reseni, solutions, answers[k]->text());
    const bool member = result.Has(shown[k]);
    solution->setChecked(member);
    if (answers[k]->isChecked() != member) {
      SetFontColour(*solution, colours::WrongRed);
      wrong = true;
    }
  }
  Panel_BckGr_odpoved->hide();
  Panel_BckGr_reseni->show();
  Button_Novy->show();
  Button_Novy->setEnabled(true);
  Button_Odpoved->setEnabled(false);
  Panel_odpoved->setEnabled(false);
  messages.Inform(wrong ? Texts::tr("Ve vasi odpovedi byly chyby.")
                        : Texts::tr("Gratuluji! Vase odpoved je spravna"));
  return !wrong;
}

void AnswerColumns::Clear() {
  for (QWidget* w : std::initializer_list<QWidget*>{Panel_BckGr_odpoved, Panel_BckGr_reseni,
                                                    Button_Odpoved, Button_Novy}) {
    w->hide();
  }
  for (QWidget* w : std::initializer_list<QWidget*>{Panel_odpoved, OK, Panel1, Button_Odpoved})
    w->setEnabled(true);
  for (QAbstractButton* task : tasks)
    delete task;
  tasks.clear();
  for (std::vector<QCheckBox*>* boxes : {&answers, &solutions}) {
    for (QCheckBox* box : *boxes)
      delete box;
    boxes->clear();
  }
}

void AnswerColumns::Reset() {
  Memo1->clear();
  Memo1->setGeometry(layout_.memo);
  const std::array<QFrame*, 3> columns = {Panel1, Panel_odpoved, Panel_reseni};
  const std::array<QFrame*, 3> frames = {Panel_BckGr_1, Panel_BckGr_odpoved, Panel_BckGr_reseni};
  for (std::size_t c = 0; c < columns.size(); ++c) {
    columns[c]->setGeometry(layout_.columns[c]);
    frames[c]->setGeometry(layout_.frames[c]);
  }
  OK->move(layout_.ok.topLeft());
  Button_Odpoved->move(layout_.answerButton.topLeft());
  Button_Novy->move(layout_.newTask.topLeft());
  SetWindowHeight(window_, canvas_, layout_.window.height());
  for (QPushButton* button : {OK, Button_Odpoved, Button_Novy})
    button->setEnabled(true);
}

}  // namespace exercise
