#include "RedundantDependenciesExercise.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "Display.h"
#include "ExerciseFeedback.h"
#include "ExerciseSupport.h"
#include "RowPanel.h"
#include "SchemaListing.h"
#include "WrappingField.h"

namespace {

constexpr int WindowWidth = 833;
constexpr int WindowHeight = 531;
// The narrowest the dependency fields get; they share the width the list
// leaves, so that the tick boxes stay in line.
constexpr int FieldWidth = 305;
constexpr int MarkSize = 25;
// The least width of the dependency list.
constexpr int MemoWidth = 193;

// The columns of a row: the dependency, the student's tick, and the red
// mark of a wrong tick with the solution's tick on it.
enum Column { FieldColumn, AnswerColumn, SolutionColumn };

}  // namespace

RedundantDependenciesExercise::RedundantDependenciesExercise(
    RedundantDependenciesExerciseSession& session, SchemaHost& host, RandomSource& random,
    MessageService& messages, ErrorDisplay& errors, QWidget* parent)
    : CorrectableExercise(session, host, random, messages, errors, parent), session_(session) {
  setObjectName(QStringLiteral("Form_Test_RedDep"));
  setWindowTitle(tr("Testovaci modul - Redundantni zavislosti"));
  // The window starts at its old size; the layout below sizes the canvas.
  canvas_ = canvas();
  resize(WindowWidth, WindowHeight);
  feedback_->ShowRule(tr("Pravidlo: kazda polozka se posuzuje samostatne vuci celemu seznamu."));

  Label1 = exercise::MakeLabel(canvas_, "Label1", tr("Redundantni zavislosti"), true, false, 16);
  Label3 = exercise::MakeLabel(canvas_, "Label3", tr("(zaskrtnete redundantni zavislosti)"));
  Label4 = exercise::MakeLabel(canvas_, "Label4", QString(67, QLatin1Char('_')));
  Label2 = exercise::MakeLabel(canvas_, "Label2", tr("Zavislosti:"), true, false, 16);
  Memo1 = exercise::MakeDependencyMemo(canvas_, "Memo1");
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setMinimumSize(MemoWidth, 265);
  makeCommandButtons(QSize(113, 33), QSize(118, 33));
  retryButton()->hide();

  rows_ = new RowPanel(canvas_);
  QGridLayout& grid = rows_->grid();
  grid.setHorizontalSpacing(40);
  grid.setVerticalSpacing(10);
  grid.setColumnStretch(FieldColumn, 1);
  grid.setColumnMinimumWidth(SolutionColumn, MarkSize);
  Label_SR = exercise::MakeLabel(rows_, "Label_SR", tr("Spravne reseni"));
  exercise::KeepPlaceWhenHidden(*Label_SR);
  Label_SR->hide();
  grid.addWidget(Label_SR, 0, SolutionColumn, Qt::AlignHCenter);

  auto* task = new QVBoxLayout;
  task->setSpacing(0);
  task->addWidget(Label1);
  task->addWidget(Label3);
  task->addWidget(Label4);
  task->addSpacing(16);
  task->addWidget(rows_);
  task->addSpacing(16);
  task->addWidget(exercise::MakeMistakeLegend(canvas_));
  task->addStretch(1);

  auto* list = new QVBoxLayout;
  list->setSpacing(8);
  list->addWidget(Label2);
  list->addWidget(Memo1, 1);
  list->addSpacing(15);
  list->addStretch(1);

  auto* columns = new QHBoxLayout(canvas_);
  columns->setContentsMargins(32, 24, 20, 20);
  columns->setSpacing(40);
  columns->addLayout(task, 1);
  columns->addLayout(list);

  connect(&session_, &RedundantDependenciesExerciseSession::taskChanged, this,
          &RedundantDependenciesExercise::buildRows);
  connect(&session_, &ExerciseSession::phaseChanged, this,
          &RedundantDependenciesExercise::showPhase);
  showPhase(session_.phase());
}

void RedundantDependenciesExercise::buildRows() {
  rows_->clear(1);
  rowControls_.clear();
  int row = 1;
  for (const Dependency& d : session_.dependencies()) {
    const std::size_t k = static_cast<std::size_t>(row - 1);
    // A long dependency wraps in its field rather than taking the room the
    // list beside needs for its own lines.
    WrappingField* field =
        exercise::MakeDependencyField(rows_, ToText(ShowDependency(d, session_.names())));
    field->setMinimumWidth(FieldWidth);
    QCheckBox* answer = exercise::MakeTickBox(rows_);
    connect(answer, &QCheckBox::toggled, this,
            [this, k](bool ticked) { session_.setTicked(k, ticked); });
    QLineEdit* mark = exercise::MakeErrorMark(rows_);
    mark->setFixedSize(MarkSize, MarkSize);
    // Hidden, the marks and solutions keep their room, so that every row's
    // boxes stand in the same columns whether or not the solution shows.
    exercise::KeepPlaceWhenHidden(*mark);
    QCheckBox* solution = exercise::MakeTickBox(rows_);
    solution->setEnabled(false);
    solution->hide();
    exercise::KeepPlaceWhenHidden(*solution);
    QGridLayout& grid = rows_->grid();
    grid.addWidget(field, row, FieldColumn);
    grid.addWidget(answer, row, AnswerColumn);
    grid.addWidget(mark, row, SolutionColumn, Qt::AlignCenter);
    grid.addWidget(solution, row, SolutionColumn, Qt::AlignCenter);
    rowControls_.push_back({answer, mark, solution});
    ++row;
  }
  Memo1->clear();
  if (session_.names()[0].empty()) return;
  exercise::ListFromTop(*Memo1, ListDependencyLines(session_.dependencies(), session_.names()));
  exercise::FitLines(*this, *canvas_, *Memo1, MemoWidth);
}

void RedundantDependenciesExercise::showPhase(ExerciseSession::Phase phase) {
  const bool checked = phase == ExerciseSession::Phase::Checked;
  Label_SR->setVisible(checked);
  for (std::size_t k = 0; k < rowControls_.size(); ++k) {
    const RowControls& row = rowControls_[k];
    row.answer->setEnabled(phase == ExerciseSession::Phase::Answering);
    if (phase == ExerciseSession::Phase::Answering) row.answer->setChecked(session_.isTicked(k));
    row.solution->setChecked(checked && session_.isRedundant(k));
    row.solution->setVisible(checked);
    row.mark->setVisible(checked && session_.isWrong(k));
  }
  showCommands(phase);
}
