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

#include "Display.h"
#include "Platform.h"

namespace exercise {

namespace {

class Texts final {
  Q_DECLARE_TR_FUNCTIONS(ExerciseSupport)
};

}  // namespace

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
  // A button never offers what its action would refuse.
  button->setEnabled(action->isEnabled());
  QObject::connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
  return button;
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

QPlainTextEdit* MakeDependencyMemo(QWidget* parent, const char* name) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QString::fromLatin1(name));
  memo->setReadOnly(true);
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

// Space the coloured frame shows around its column.
constexpr int FrameBorder = 6;
// Space around the controls inside a column.
constexpr int ColumnMargin = 10;
// Space between the solution column and the memo.
constexpr int MemoIndent = 28;

// The column's controls stand one under the other, its button below them.
QVBoxLayout* ColumnLayout(QFrame* column) {
  auto* rows = new QVBoxLayout(column);
  rows->setContentsMargins(ColumnMargin, ColumnMargin, ColumnMargin, ColumnMargin);
  rows->setSpacing(5);
  rows->addStretch(1);
  return rows;
}

}  // namespace

AnswerColumns::AnswerColumns(QWidget& window, QWidget& canvas, const ColumnsLayout& layout,
                             QAction* answerAction, QAction* newTaskAction)
    : window_(window), canvas_(canvas), layout_(layout) {
  Panel_BckGr_1 = MakeColouredPanel(&canvas, "Panel_BckGr_1", QRect(), layout.frameColour);
  Panel_BckGr_odpoved =
      MakeColouredPanel(&canvas, "Panel_BckGr_odpoved", QRect(), layout.frameColour);
  Panel_BckGr_reseni =
      MakeColouredPanel(&canvas, "Panel_BckGr_reseni", QRect(), layout.frameColour);
  Panel_BckGr_odpoved->hide();
  Panel_BckGr_reseni->hide();

  Panel1 = MakePanel(&canvas, "Panel1", QRect());
  Panel_odpoved = MakePanel(&canvas, "Panel_odpoved", QRect());
  Panel_reseni = MakePanel(&canvas, "Panel_reseni", QRect());
  // The solution column only shows; its boxes cannot be changed.
  Panel_reseni->setEnabled(false);

  OK = new QPushButton(layout.okCaption, Panel1);
  OK->setObjectName(QStringLiteral("OK"));
  OK->setMinimumSize(layout.ok);
  OK->setDefault(true);
  Button_Odpoved = MakeActionButton(Panel_odpoved, "Button_Odpoved", answerAction, QRect());
  Button_Odpoved->setMinimumSize(layout.answerButton);
  Button_Odpoved->hide();
  // The hidden button keeps its place, so that the answer column's controls
  // stand level with the task's.
  QSizePolicy policy = Button_Odpoved->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  Button_Odpoved->setSizePolicy(policy);

  Memo1 = MakeDependencyMemo(&canvas, "Memo1");
  Memo1->setMinimumSize(layout.memo);
  Memo1->setMaximumHeight(layout.memo.height());
  Button_Novy = MakeActionButton(&canvas, "Button_Novy", newTaskAction, QRect());
  Button_Novy->setMinimumSize(layout.newTask);
  Button_Novy->hide();
  // Ready to show under the memo without shifting anything.
  QSizePolicy novyPolicy = Button_Novy->sizePolicy();
  novyPolicy.setRetainSizeWhenHidden(true);
  Button_Novy->setSizePolicy(novyPolicy);

  grid_ = new QGridLayout(&canvas);
  grid_->setContentsMargins(29, 13, 20, 20);
  grid_->setHorizontalSpacing(0);
  grid_->setVerticalSpacing(6);
  const std::array<QFrame*, 3> frames = {Panel_BckGr_1, Panel_BckGr_odpoved, Panel_BckGr_reseni};
  const std::array<QFrame*, 3> columns = {Panel1, Panel_odpoved, Panel_reseni};
  for (int c = 0; c < 3; ++c) {
    // The frame fills the cell and its column stands inset on it; a hidden
    // frame is ready to show at once.
    QSizePolicy framePolicy = frames[c]->sizePolicy();
    framePolicy.setRetainSizeWhenHidden(true);
    frames[c]->setSizePolicy(framePolicy);
    grid_->addWidget(frames[c], 1, c);
    auto* inset = new QVBoxLayout;
    inset->setContentsMargins(FrameBorder, FrameBorder, FrameBorder, FrameBorder);
    inset->addWidget(columns[c]);
    grid_->addLayout(inset, 1, c);
    // The least size goes to the grid: on the column itself it would keep
    // the column from growing with its controls.
    grid_->setColumnMinimumWidth(c, layout.columnWidth + 2 * FrameBorder);
    ColumnLayout(columns[c]);
  }
  Panel1->layout()->addWidget(OK);
  Panel1->layout()->setAlignment(OK, Qt::AlignHCenter);
  Panel_odpoved->layout()->addWidget(Button_Odpoved);
  Panel_odpoved->layout()->setAlignment(Button_Odpoved, Qt::AlignHCenter);
  auto* side = new QVBoxLayout;
  side->setContentsMargins(MemoIndent, FrameBorder + 6, 0, 0);
  side->setSpacing(15);
  side->addWidget(Memo1);
  side->addWidget(Button_Novy, 0, Qt::AlignLeft);
  side->addStretch(1);
  grid_->setRowMinimumHeight(1, ColumnHeight + 2 * FrameBorder);
  grid_->addLayout(side, 1, 3);
  grid_->setColumnStretch(3, 1);
  grid_->setRowStretch(2, 1);
}

void AnswerColumns::PlaceHeadings(QWidget* task, QWidget* answer, QWidget* solution,
                                  QWidget* memo) {
  int c = 0;
  for (QWidget* heading : {task, answer, solution}) {
    grid_->addWidget(heading, 0, c++, Qt::AlignLeft | Qt::AlignBottom);
    heading->setContentsMargins(FrameBorder + 2, 0, 0, 0);
  }
  memo->setContentsMargins(MemoIndent, 0, 0, 0);
  grid_->addWidget(memo, 0, 3, Qt::AlignLeft | Qt::AlignBottom);
}

void AnswerColumns::PlaceInColumn(QFrame* column, QAbstractButton& control, const QString& name) {
  QFont font = control.font();
  font.setPointSize(10);
  control.setFont(font);
  // Measured with its whole caption, which tells what it needs beside it.
  control.setText(name);
  control.setText(control.fontMetrics().elidedText(name, Qt::ElideMiddle, WidestCaption(control)));
  control.setToolTip(name);
  control.setMinimumSize(layout_.controlWidth, 30);
  SetFontColour(control, Qt::black);
  // Under the previous control, above the stretch and the column's button.
  auto* rows = static_cast<QVBoxLayout*>(column->layout());
  int at = 0;
  while (rows->itemAt(at)->spacerItem() == nullptr)
    ++at;
  rows->insertWidget(at, &control);
  // No fill of its own: the column's face colour shows through, and the
  // column's bevel stays visible at the box's right end.
  control.show();
}

int AnswerColumns::WidestCaption(const QAbstractButton& control) const {
  const QMargins margins = grid_->contentsMargins();
  const int columns = CanvasRoom(window_, canvas_) - margins.left() - margins.right() - MemoIndent -
                      layout_.memo.width();
  const int column = columns / 3 - 2 * (FrameBorder + Panel1->frameWidth() + ColumnMargin);
  // What the control needs beside its caption: its box or circle and the gap.
  const int indicator =
      control.sizeHint().width() - control.fontMetrics().horizontalAdvance(control.text());
  return column - indicator;
}

QCheckBox* AnswerColumns::AddBox(QFrame* column, std::vector<QCheckBox*>& boxes,
                                 const QString& name) {
  auto* box = new QCheckBox(column);
  PlaceInColumn(column, *box, name);
  boxes.push_back(box);
  return box;
}

void AnswerColumns::AddTasks(const AttributeTable& names, TaskControl control, bool grow) {
  shown.clear();
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (names[i].empty()) continue;
    shown.push_back(i);
    QAbstractButton* task = nullptr;
    if (control == TaskControl::RadioButtons) {
      task = new QRadioButton(Panel1);
    } else {
      task = new QCheckBox(Panel1);
    }
    PlaceInColumn(Panel1, *task, ToText(names[i]));
    tasks.push_back(task);
    Panel_BckGr_1->show();
  }
  if (grow) GrowToContent(window_, canvas_);
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
    AddBox(Panel_odpoved, answers, task->toolTip());
  // The filled column takes room the dependency list had.
  FitLines(window_, canvas_, *Memo1, layout_.memo.width());
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
    QCheckBox* solution = AddBox(Panel_reseni, solutions, answers[k]->toolTip());
    const bool member = result.Has(shown[k]);
    solution->setChecked(member);
    if (answers[k]->isChecked() != member) {
      SetFontColour(*solution, colours::WrongRed);
      wrong = true;
    }
  }
  FitLines(window_, canvas_, *Memo1, layout_.memo.width());
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

void AnswerColumns::ListDependencies(const std::vector<std::string>& lines) {
  ListFromTop(*Memo1, lines);
  FitLines(window_, canvas_, *Memo1, layout_.memo.width());
}

void AnswerColumns::Reset() {
  Memo1->clear();
  // The window goes back to its opening height; a larger schema grows it
  // again.
  window_.resize(window_.width(), layout_.window.height());
  for (QPushButton* button : {OK, Button_Odpoved, Button_Novy})
    button->setEnabled(true);
}

}  // namespace exercise
