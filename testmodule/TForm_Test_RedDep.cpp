#include "TForm_Test_RedDep.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "Data_statement_2.h"
#include "Display.h"
#include "ExerciseSupport.h"
#include "Redundance.h"

namespace {

constexpr int WindowWidth = 833;
constexpr int WindowHeight = 531;
// The narrowest the dependency fields get; a longer dependency widens them
// all, so that the tick boxes stay in line.
constexpr int FieldWidth = 305;
constexpr int MarkSize = 25;
// The least width of the dependency list.
constexpr int MemoWidth = 193;

}  // namespace

TForm_Test_RedDep::TForm_Test_RedDep(SchemaHost& host, MessageService& messages,
                                     ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Test_RedDep"));
  setWindowTitle(tr("Testovaci modul - Redundantni zavislosti"));
  // The window starts at its old size; the layout below sizes the canvas.
  canvas_ = MakeScrollingCanvas(*this, QSize(0, 0));
  resize(WindowWidth, WindowHeight);
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());
  feedback_ = new ExerciseFeedback(*this, *canvas_);
  // Deleting one item may make another one necessary; the exercise asks
  // about each against the whole list.
  feedback_->ShowRule(tr("Pravidlo: kazda polozka se posuzuje samostatne vuci celemu seznamu."));

  a_spravnaodpoved = exercise::MakeAction(this, "a_spravnaodpoved", tr("&Spravna odpoved"),
                                          &TForm_Test_RedDep::a_spravnaodpovedExecute);
  a_new =
      exercise::MakeAction(this, "a_new", tr("&Zkusit znovu"), &TForm_Test_RedDep::a_newExecute);
  a_clear = exercise::MakeAction(this, "a_clear", tr("&Clear"), &TForm_Test_RedDep::a_clearExecute);

  Label1 = exercise::MakeLabel(canvas_, "Label1", tr("Redundantni zavislosti"), QPoint(), true,
                               false, 16);
  Label3 =
      exercise::MakeLabel(canvas_, "Label3", tr("(zaskrtnete redundantni zavislosti)"), QPoint());
  Label4 = exercise::MakeLabel(canvas_, "Label4", QString(67, QLatin1Char('_')), QPoint());
  Label_SR = exercise::MakeLabel(canvas_, "Label_SR", tr("Spravne reseni"), QPoint());
  // Hidden, it keeps its room, so that the columns stay put when it shows.
  QSizePolicy keep = Label_SR->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  Label_SR->setSizePolicy(keep);
  Label_SR->hide();
  Label2 = exercise::MakeLabel(canvas_, "Label2", tr("Zavislosti:"), QPoint(), true, false, 16);
  Memo1 = exercise::MakeDependencyMemo(canvas_, "Memo1");
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setMinimumSize(MemoWidth, 265);
  Button1 = exercise::MakeActionButton(canvas_, "Button1", a_spravnaodpoved, QRect());
  Button1->setMinimumSize(113, 33);
  Button_new = exercise::MakeActionButton(canvas_, "Button_new", a_new, QRect());
  Button_new->setMinimumSize(118, 33);
  Button_new->hide();

  // One row per dependency: the field, the student's tick box and, on the
  // red mark of a wrong answer, the solution's tick box.
  rows_ = new QGridLayout;
  rows_->setHorizontalSpacing(40);
  rows_->setVerticalSpacing(10);
  rows_->setColumnStretch(0, 1);
  rows_->setColumnMinimumWidth(2, MarkSize);
  rows_->addWidget(Label_SR, 0, 2, Qt::AlignHCenter);

  auto* task = new QVBoxLayout;
  task->setSpacing(0);
  task->addWidget(Label1);
  task->addWidget(Label3);
  task->addWidget(Label4);
  task->addSpacing(16);
  task->addLayout(rows_);
  task->addStretch(1);

  auto* list = new QVBoxLayout;
  list->setSpacing(8);
  list->addWidget(Label2);
  list->addWidget(Memo1, 1);
  list->addSpacing(15);
  list->addWidget(Button1, 0, Qt::AlignLeft);
  list->addWidget(Button_new, 0, Qt::AlignLeft);
  list->addStretch(1);

  auto* columns = new QHBoxLayout(canvas_);
  columns->setContentsMargins(32, 24, 20, 20);
  columns->setSpacing(40);
  columns->addLayout(task, 1);
  columns->addLayout(list);
}

void TForm_Test_RedDep::PrepareExercise() {
  // Opening the exercise again while it is open starts it afresh.
  FormClose();
  notice_->hide();
  Label_SR->hide();
  const Schema& schema = host_.LiveSchema();
  if (!exercise::OffersTask(schema, *Button1)) return;
  attributeNames_ = schema.attributes;
  dependencies_ = schema.dependencies;
  int row = 1;
  for (const Dependency& d : dependencies_) {
    QLineEdit* field =
        exercise::MakeDependencyField(canvas_, QRect(), ToText(ShowDependency(d, attributeNames_)));
    field->setMinimumWidth(std::max(FieldWidth, WholeTextWidth(*field, field->text())));
    dependencyFields_.push_back(field);
    QCheckBox* answer = exercise::MakeTickBox(canvas_, QRect());
    answerBoxes_.push_back(answer);
    QLineEdit* mark = exercise::MakeErrorMark(canvas_, QRect());
    mark->setFixedSize(MarkSize, MarkSize);
    errorMarks_.push_back(mark);
    QCheckBox* solution = exercise::MakeTickBox(canvas_, QRect());
    solution->setEnabled(false);
    solution->hide();
    solutionBoxes_.push_back(solution);
    // The mark and the solution keep their room while hidden, so that every
    // row's boxes stand in the same columns.
    for (QWidget* w : {static_cast<QWidget*>(mark), static_cast<QWidget*>(solution)}) {
      QSizePolicy policy = w->sizePolicy();
      policy.setRetainSizeWhenHidden(true);
      w->setSizePolicy(policy);
    }
    rows_->addWidget(field, row, 0);
    rows_->addWidget(answer, row, 1);
    rows_->addWidget(mark, row, 2, Qt::AlignCenter);
    rows_->addWidget(solution, row, 2, Qt::AlignCenter);
    ++row;
  }
  exercise::ListFromTop(*Memo1, ListDependencyLines(dependencies_, attributeNames_));
  exercise::FitLines(*this, *canvas_, *Memo1, MemoWidth);
  EnterPhase(exercise::Phase::Answering);
}

void TForm_Test_RedDep::a_spravnaodpovedExecute() {
  if (phase_ != exercise::Phase::Answering) return;
  std::size_t k = 0;
  for (const Dependency& d : dependencies_) {
    if (IsRedundantDependency(dependencies_, d)) solutionBoxes_[k]->setChecked(true);
    ++k;
  }
  bool correct = true;
  for (k = 0; k < answerBoxes_.size(); ++k) {
    if (answerBoxes_[k]->isChecked() != solutionBoxes_[k]->isChecked()) correct = false;
  }
  for (QCheckBox* box : solutionBoxes_)
    box->hide();
  if (!exercise::AnnounceVerdict(correct, messages_)) return;
  feedback_->Record(correct);
  QStringList why;
  k = 0;
  for (const Dependency& d : dependencies_) {
    if (answerBoxes_[k]->isChecked() != solutionBoxes_[k]->isChecked()) {
      why << explain::FollowsLines(
          tr("Zavislost %1").arg(ToText(ShowDependency(d, attributeNames_))), d.LhsSet(), d.Rhs(),
          dependencies_, &d, attributeNames_);
    }
    ++k;
  }
  feedback_->Explain(why);
  ShowSolution();
  // Only a given-up answer has rows to mark.
  for (k = 0; k < answerBoxes_.size(); ++k) {
    if (answerBoxes_[k]->isChecked() != solutionBoxes_[k]->isChecked()) errorMarks_[k]->show();
  }
}

void TForm_Test_RedDep::ShowSolution() {
  EnterPhase(exercise::Phase::Checked);
  for (QCheckBox* box : solutionBoxes_)
    box->show();
  for (QCheckBox* box : answerBoxes_)
    box->setEnabled(false);
  Label_SR->show();
  Button_new->show();
  Button1->setEnabled(false);
}

void TForm_Test_RedDep::a_newExecute() {
  if (phase_ != exercise::Phase::Checked) return;
  EnterPhase(exercise::Phase::Answering);
  Button_new->hide();
  for (std::size_t k = 0; k < answerBoxes_.size(); ++k) {
    answerBoxes_[k]->setChecked(false);
    answerBoxes_[k]->show();
    answerBoxes_[k]->setEnabled(true);
    solutionBoxes_[k]->setChecked(false);
    solutionBoxes_[k]->hide();
    errorMarks_[k]->hide();
  }
  Label_SR->hide();
  Button1->setEnabled(true);
}

void TForm_Test_RedDep::a_clearExecute() {
  EnterPhase(exercise::Phase::NoTask);
  for (QLineEdit* field : dependencyFields_)
    delete field;
  for (QCheckBox* box : answerBoxes_)
    delete box;
  for (QLineEdit* mark : errorMarks_)
    delete mark;
  for (QCheckBox* box : solutionBoxes_)
    delete box;
  dependencyFields_.clear();
  answerBoxes_.clear();
  errorMarks_.clear();
  solutionBoxes_.clear();
  Memo1->clear();
  Button_new->hide();
}

void TForm_Test_RedDep::FormClose() {
  feedback_->ResetScore();
  a_clearExecute();
}

void TForm_Test_RedDep::EnterPhase(exercise::Phase phase) {
  phase_ = phase;
  a_spravnaodpoved->setEnabled(phase == exercise::Phase::Answering);
}
