#include "TForm_Test_RedDep.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Data_statement_2.h"
#include "Display.h"
#include "ExerciseSupport.h"
#include "Redundance.h"

namespace {

constexpr int WindowWidth = 833;
constexpr int WindowHeight = 531;
// Left edge of the student's tick boxes.
constexpr int AnswerColumn = 370;

}  // namespace

TForm_Test_RedDep::TForm_Test_RedDep(SchemaHost& host, MessageService& messages,
                                     ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Test_RedDep"));
  setWindowTitle(tr("Testovaci modul - Redundantni zavislosti"));
  canvas_ = exercise::MakeCanvas(*this, QSize(WindowWidth, WindowHeight));
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());
  feedback_ = new ExerciseFeedback(*this);
  // Deleting one item may make another one necessary; the exercise asks
  // about each against the whole list.
  feedback_->ShowRule(tr("Pravidlo: kazda polozka se posuzuje samostatne vuci celemu seznamu."));

  a_spravnaodpoved = exercise::MakeAction(this, "a_spravnaodpoved", tr("&Spravna odpoved"),
                                          &TForm_Test_RedDep::a_spravnaodpovedExecute);
  a_new =
      exercise::MakeAction(this, "a_new", tr("&Zkusit znovu"), &TForm_Test_RedDep::a_newExecute);
  a_clear = exercise::MakeAction(this, "a_clear", tr("&Clear"), &TForm_Test_RedDep::a_clearExecute);

  Label1 = exercise::MakeLabel(canvas_, "Label1", tr("Redundantni zavislosti"), QPoint(32, 24),
                               true, false, 16);
  Label3 = exercise::MakeLabel(canvas_, "Label3", tr("(zaskrtnete redundantni zavislosti)"),
                               QPoint(32, 48));
  Label4 = exercise::MakeLabel(canvas_, "Label4", QString(67, QLatin1Char('_')), QPoint(32, 56));
  Label_SR = exercise::MakeLabel(canvas_, "Label_SR", tr("Spravne reseni"), QPoint(432, 88));
  Label_SR->hide();
  Label2 =
      exercise::MakeLabel(canvas_, "Label2", tr("Zavislosti:"), QPoint(568, 56), true, false, 16);
  Memo1 = new QPlainTextEdit(canvas_);
  // Dependencies read best whole, one a line; a long one scrolls sideways.
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setGeometry(568, 88, 193, 265);
  Button1 =
      exercise::MakeActionButton(canvas_, "Button1", a_spravnaodpoved, QRect(576, 376, 113, 33));
  Button_new = exercise::MakeActionButton(canvas_, "Button_new", a_new, QRect(574, 423, 118, 33));
  Button_new->hide();
}

void TForm_Test_RedDep::PrepareExercise() {
  // Opening the exercise again while it is open starts it afresh.
  FormClose();
  notice_->hide();
  Label_SR->hide();
  const Schema& schema = host_.LiveSchema();
  if (!exercise::OffersTask(schema, *Button1)) return;
  attributeNames = schema.attributes;
  dependencies = schema.dependencies;
  nextTop = 120;
  for (const Dependency& d : dependencies) {
    nextTop += 32;
    const int y = nextTop;
    dependencyFields.push_back(
        exercise::MakeDependencyField(canvas_, QRect(55, y, AnswerColumn - 10 - 55, 22),
                                      ToText(ShowDependency(d, attributeNames))));
    answerBoxes.push_back(exercise::MakeTickBox(canvas_, QRect(AnswerColumn, y, 17, 17)));
    errorMarks.push_back(exercise::MakeErrorMark(canvas_, QRect(470, y - 5, 25, 25)));
    QCheckBox* solution = exercise::MakeTickBox(canvas_, QRect(475, y, 17, 17));
    solution->setEnabled(false);
    solution->hide();
    solutionBoxes.push_back(solution);
  }
  exercise::FitCanvas(*canvas_, nextTop + 22 + 20, WindowHeight);
  exercise::ListFromTop(*Memo1, ListDependencyLines(dependencies, attributeNames));
}

void TForm_Test_RedDep::a_spravnaodpovedExecute() {
  std::size_t k = 0;
  for (const Dependency& d : dependencies) {
    if (IsRedundantDependency(dependencies, d)) solutionBoxes[k]->setChecked(true);
    ++k;
  }
  bool correct = true;
  for (k = 0; k < answerBoxes.size(); ++k) {
    if (answerBoxes[k]->isChecked() != solutionBoxes[k]->isChecked()) correct = false;
  }
  for (QCheckBox* box : solutionBoxes)
    box->hide();
  if (!exercise::AnnounceVerdict(correct, messages_)) return;
  feedback_->Record(correct);
  QStringList why;
  k = 0;
  for (const Dependency& d : dependencies) {
    if (answerBoxes[k]->isChecked() != solutionBoxes[k]->isChecked()) {
      why << explain::FollowsLines(
          tr("Zavislost %1").arg(ToText(ShowDependency(d, attributeNames))), d.LhsSet(), d.Rhs(),
          dependencies, &d, attributeNames);
    }
    ++k;
  }
  feedback_->Explain(why);
  ShowSolution();
  // Only a given-up answer has rows to mark.
  for (k = 0; k < answerBoxes.size(); ++k) {
    if (answerBoxes[k]->isChecked() != solutionBoxes[k]->isChecked()) errorMarks[k]->show();
  }
}

void TForm_Test_RedDep::ShowSolution() {
  for (QCheckBox* box : solutionBoxes)
    box->show();
  for (QCheckBox* box : answerBoxes)
    box->setEnabled(false);
  Label_SR->show();
  Button_new->show();
  Button1->setEnabled(false);
}

void TForm_Test_RedDep::a_newExecute() {
  Button_new->hide();
  for (std::size_t k = 0; k < answerBoxes.size(); ++k) {
    answerBoxes[k]->setChecked(false);
    answerBoxes[k]->show();
    answerBoxes[k]->setEnabled(true);
    solutionBoxes[k]->setChecked(false);
    solutionBoxes[k]->hide();
    errorMarks[k]->hide();
  }
  Label_SR->hide();
  Button1->setEnabled(true);
}

void TForm_Test_RedDep::a_clearExecute() {
  for (QLineEdit* field : dependencyFields)
    delete field;
  for (QCheckBox* box : answerBoxes)
    delete box;
  for (QLineEdit* mark : errorMarks)
    delete mark;
  for (QCheckBox* box : solutionBoxes)
    delete box;
  dependencyFields.clear();
  answerBoxes.clear();
  errorMarks.clear();
  solutionBoxes.clear();
  Memo1->clear();
  Button_new->hide();
  exercise::FitCanvas(*canvas_, 0, WindowHeight);
}

void TForm_Test_RedDep::FormClose() {
  feedback_->ResetScore();
  a_clearExecute();
}
