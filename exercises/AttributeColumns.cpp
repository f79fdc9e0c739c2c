#include "AttributeColumns.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "Display.h"
#include "ExerciseSupport.h"
#include "Legend.h"
#include "Platform.h"
#include "RowPanel.h"
#include "SchemaListing.h"

namespace {

// Space the coloured frame shows around its column.
constexpr int FrameBorder = 6;
// Space around the controls inside a column.
constexpr int ColumnMargin = 10;
// Space between the controls of a column.
constexpr int ControlSpacing = 5;
// Space between the solution column and the memo.
constexpr int MemoIndent = 28;
// The columns are taller than a column of seven controls would need: eight
// controls fit above the column's button, and from the ninth on every
// control grows the column.
constexpr int ColumnHeight = 323;
// The height of a control and the space below it.
constexpr int ControlPitch = 30 + ControlSpacing;
// What the window takes above, below and beside a column's controls: the
// headings, the margins, the frames, the column's button, the legend and the
// score below the columns.
constexpr int AroundControls = 230;

// The column's controls stand one under the other on a panel of their own,
// its button below them.
RowPanel* ColumnRows(QFrame& column, const QString& name) {
  auto* layout = new QVBoxLayout(&column);
  layout->setContentsMargins(ColumnMargin, ColumnMargin, ColumnMargin, ColumnMargin);
  layout->setSpacing(ControlSpacing);
  auto* rows = new RowPanel(&column);
  rows->setObjectName(name);
  rows->grid().setVerticalSpacing(ControlSpacing);
  rows->grid().setHorizontalSpacing(ControlSpacing);
  layout->addWidget(rows);
  layout->addStretch(1);
  return rows;
}

// The column is measured afresh with the controls the panel now holds, so
// that the window grows to them before they are laid out.
void Remeasure(RowPanel& rows) {
  rows.updateGeometry();
  rows.parentWidget()->updateGeometry();
}

}  // namespace

AttributeColumns::AttributeColumns(QWidget& window, QWidget& canvas, const ColumnsLayout& layout,
                                   AttributeSetExerciseSession& session, MessageService& messages,
                                   QAction* answerAction, QAction* newTaskAction)
    : QObject(&window),
      window_(window),
      canvas_(canvas),
      layout_(layout),
      session_(session),
      messages_(messages),
      answerAction_(answerAction),
      newTaskAction_(newTaskAction) {
  Panel_BckGr_1 = exercise::MakeColouredPanel(&canvas, "Panel_BckGr_1", layout.frameColour);
  Panel_BckGr_odpoved =
      exercise::MakeColouredPanel(&canvas, "Panel_BckGr_odpoved", layout.frameColour);
  Panel_BckGr_reseni =
      exercise::MakeColouredPanel(&canvas, "Panel_BckGr_reseni", layout.frameColour);

  Panel1 = exercise::MakePanel(&canvas, "Panel1");
  Panel_odpoved = exercise::MakePanel(&canvas, "Panel_odpoved");
  Panel_reseni = exercise::MakePanel(&canvas, "Panel_reseni");
  // The solution column only shows; its boxes cannot be changed.
  Panel_reseni->setEnabled(false);
  taskRows_ = ColumnRows(*Panel1, QStringLiteral("Rows_Panel1"));
  answerRows_ = ColumnRows(*Panel_odpoved, QStringLiteral("Rows_Panel_odpoved"));
  solutionRows_ = ColumnRows(*Panel_reseni, QStringLiteral("Rows_Panel_reseni"));

  OK = new QPushButton(layout.okCaption, Panel1);
  OK->setObjectName(QStringLiteral("OK"));
  OK->setMinimumSize(layout.ok);
  OK->setDefault(true);
  Button_Odpoved = exercise::MakeActionButton(Panel_odpoved, "Button_Odpoved", answerAction);
  Button_Odpoved->setMinimumSize(layout.answerButton);
  // The hidden button keeps its place, so that the answer column's controls
  // stand level with the task's.
  exercise::KeepPlaceWhenHidden(*Button_Odpoved);

  Memo1 = exercise::MakeDependencyMemo(&canvas, "Memo1");
  Memo1->setMinimumSize(layout.memo);
  Memo1->setMaximumHeight(layout.memo.height());
  Button_Novy = exercise::MakeActionButton(&canvas, "Button_Novy", newTaskAction);
  Button_Novy->setMinimumSize(layout.newTask);
  // Ready to show under the memo without shifting anything.
  exercise::KeepPlaceWhenHidden(*Button_Novy);

  grid_ = new QGridLayout(&canvas);
  grid_->setContentsMargins(29, 13, 20, 20);
  grid_->setHorizontalSpacing(0);
  grid_->setVerticalSpacing(6);
  const std::array<QFrame*, 3> frames = {Panel_BckGr_1, Panel_BckGr_odpoved, Panel_BckGr_reseni};
  const std::array<QFrame*, 3> columns = {Panel1, Panel_odpoved, Panel_reseni};
  for (int c = 0; c < 3; ++c) {
    // The frame fills the cell and its column stands inset on it; a hidden
    // frame is ready to show at once.
    exercise::KeepPlaceWhenHidden(*frames[c]);
    grid_->addWidget(frames[c], 1, c);
    auto* inset = new QVBoxLayout;
    inset->setContentsMargins(FrameBorder, FrameBorder, FrameBorder, FrameBorder);
    inset->addWidget(columns[c]);
    grid_->addLayout(inset, 1, c);
    // The least size goes to the grid: on the column itself it would keep
    // the column from growing with its controls.
    grid_->setColumnMinimumWidth(c, layout.columnWidth + 2 * FrameBorder);
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
  auto* legend = new Legend(&canvas);
  legend->setObjectName(QStringLiteral("Legend_Columns"));
  legend->Add(layout.frameColour, tr("ramecek: sloupec, ktery prave vyplnujete"));
  legend->AddMistakeColour();
  grid_->addWidget(legend, 2, 0, 1, 3, Qt::AlignTop);

  connect(&session_, &AttributeSetExerciseSession::taskChanged, this, [this] { showTask(true); });
  connect(&session_, &AttributeSetExerciseSession::newTaskStarted, this,
          [this] { showTask(false); });
  connect(&session_, &ExerciseSession::phaseChanged, this, &AttributeColumns::showPhase);
  connect(&session_, &ToolSession::outOfDateChanged, this, &AttributeColumns::showPhase);
  showPhase();
}

void AttributeColumns::placeHeadings(QWidget* task, QWidget* answer, QWidget* solution,
                                     QWidget* memo) {
  int c = 0;
  for (QWidget* heading : {task, answer, solution}) {
    grid_->addWidget(heading, 0, c++, Qt::AlignLeft | Qt::AlignBottom);
    heading->setContentsMargins(FrameBorder + 2, 0, 0, 0);
  }
  memo->setContentsMargins(MemoIndent, 0, 0, 0);
  grid_->addWidget(memo, 0, 3, Qt::AlignLeft | Qt::AlignBottom);
}

void AttributeColumns::showTask(bool newAttributes) {
  taskRows_->clear();
  arrangeControls(static_cast<int>(session_.offered().size()));
  for (AttributeIndex a : session_.offered()) {
    QAbstractButton* control = nullptr;
    if (session_.pickKind() == AttributeSetExerciseSession::Pick::OneAttribute) {
      control = new QRadioButton(taskRows_);
    } else {
      control = new QCheckBox(taskRows_);
    }
    placeInColumn(*taskRows_, *control, ToText(NameOf(session_.names(), a)));
    connect(control, &QAbstractButton::toggled, this,
            [this, a](bool picked) { session_.setPicked(a, picked); });
  }
  Remeasure(*taskRows_);
  // The answer and the solution column will hold as many controls: they
  // take the task column's width at once, so that the window does not widen
  // as they fill.
  int control = layout_.controlWidth;
  for (const QAbstractButton* c : taskRows_->findChildren<QAbstractButton*>())
    control = std::min(control, c->minimumWidth());
  const int column = sideBySide_ * control + (sideBySide_ - 1) * ControlSpacing +
                     2 * (FrameBorder + Panel1->frameWidth() + ColumnMargin);
  for (int c = 0; c < 3; ++c)
    grid_->setColumnMinimumWidth(c, std::max(layout_.columnWidth + 2 * FrameBorder, column));
  if (newAttributes) {
    Memo1->clear();
    if (!session_.offered().empty()) {
      GrowToContent(window_, canvas_);
      exercise::ListFromTop(*Memo1, ListDependencyLines(session_.dependencies(), session_.names()));
      exercise::FitLines(window_, canvas_, *Memo1, layout_.memo.width());
    }
  }
  showPhase();
}

void AttributeColumns::showPhase() {
  using Phase = ExerciseSession::Phase;
  const Phase phase = session_.phase();
  const bool fixed = !session_.fixed().Empty();
  answerRows_->clear();
  solutionRows_->clear();
  for (AttributeIndex a : session_.offered()) {
    const QString name = ToText(NameOf(session_.names(), a));
    if (fixed) {
      QCheckBox* answer = addBox(*answerRows_, name);
      answer->setChecked(session_.ticked().Has(a));
      connect(answer, &QCheckBox::toggled, this,
              [this, a](bool ticked) { session_.setTicked(a, ticked); });
    }
    if (phase == Phase::Checked) {
      QCheckBox* solution = addBox(*solutionRows_, name);
      solution->setChecked(session_.solution().Has(a));
      if (session_.isWrong(a)) exercise::SetFontColour(*solution, colours::WrongRed);
    }
  }
  // The columns took their widths with the task, so the dependency list
  // keeps its room as they fill.
  Remeasure(*answerRows_);
  Remeasure(*solutionRows_);

  const bool picking = session_.isPicking();
  Panel_BckGr_1->setVisible(picking);
  Panel_BckGr_odpoved->setVisible(phase == Phase::Answering);
  Panel_BckGr_reseni->setVisible(phase == Phase::Checked);
  Panel1->setEnabled(picking);
  OK->setEnabled(picking);
  // Answer boxes take ticks exactly while answering.
  Panel_odpoved->setEnabled(!fixed || phase == Phase::Answering);
  Button_Odpoved->setVisible(fixed);
  answerAction_->setEnabled(session_.canCheck());
  Button_Novy->setVisible(phase == Phase::Checked);
  newTaskAction_->setEnabled(session_.canStartNewTask());
}

void AttributeColumns::fixTask() {
  switch (session_.fixPick()) {
    case AttributeSetExerciseSession::Fixing::TaskSet:
      Button_Odpoved->setFocus();
      return;
    case AttributeSetExerciseSession::Fixing::NothingPicked:
      messages_.Inform(tr("Musite zvolit alespon 1 atribut"));
      return;
    case AttributeSetExerciseSession::Fixing::NotPicking:
      return;
  }
}

void AttributeColumns::checkAnswer() {
  const std::optional<bool> right = session_.judge();
  if (!right) return;
  session_.conclude();
  Button_Novy->setFocus();
  messages_.Inform(*right ? tr("Gratuluji! Vase odpoved je spravna")
                          : tr("Ve vasi odpovedi byly chyby."));
}

void AttributeColumns::startNewTask() {
  session_.startNewTask();
  OK->setFocus();
}

void AttributeColumns::restoreHeight() {
  window_.resize(window_.width(), layout_.window.height());
}

void AttributeColumns::arrangeControls(int count) {
  // A column taller than the window would leave its button out of view: its
  // controls stand side by side instead, in the room the right half of the
  // window leaves, as few side by side as keep the column within the window.
  const int tallest =
      std::min(exercise::TallestWindow, window_.screen()->availableGeometry().height());
  const int fit = std::max(1, (tallest - AroundControls) / ControlPitch);
  sideBySide_ = std::max(1, (count + fit - 1) / fit);
  perLine_ = std::max(1, (count + sideBySide_ - 1) / sideBySide_);
}

void AttributeColumns::placeInColumn(RowPanel& column, QAbstractButton& control,
                                     const QString& name) {
  QFont font = control.font();
  font.setPointSize(10);
  control.setFont(font);
  // Measured with its whole caption, which tells what it needs beside it.
  control.setText(name);
  control.setText(control.fontMetrics().elidedText(name, Qt::ElideMiddle, widestCaption(control)));
  control.setToolTip(name);
  control.setMinimumSize(
      std::min(layout_.controlWidth, widestCaption(control) + indicator(control)), 30);
  exercise::SetFontColour(control, Qt::black);
  QGridLayout& grid = column.grid();
  const int k = grid.count();
  grid.addWidget(&control, k % perLine_, k / perLine_);
  // No fill of its own: the column's face colour shows through, and the
  // column's bevel stays visible at the box's right end.
  control.show();
}

QCheckBox* AttributeColumns::addBox(RowPanel& column, const QString& name) {
  auto* box = new QCheckBox(&column);
  placeInColumn(column, *box, name);
  return box;
}

int AttributeColumns::widestCaption(const QAbstractButton& control) const {
  const QMargins margins = grid_->contentsMargins();
  const int columns = CanvasRoom(window_, canvas_) - margins.left() - margins.right() - MemoIndent -
                      layout_.memo.width();
  const int column = columns / 3 - 2 * (FrameBorder + Panel1->frameWidth() + ColumnMargin);
  const int share = (column - (sideBySide_ - 1) * ControlSpacing) / sideBySide_;
  return share - indicator(control);
}

int AttributeColumns::indicator(const QAbstractButton& control) {
  // What the control needs beside its caption: its box or circle and the gap.
  return control.sizeHint().width() - control.fontMetrics().horizontalAdvance(control.text());
}
