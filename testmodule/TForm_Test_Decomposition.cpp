#include "TForm_Test_Decomposition.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Data_statement_2.h"
#include "Display.h"
#include "ExerciseSupport.h"
#include "Keys.h"
#include "Nf.h"

namespace {

constexpr int WindowWidth = 866;
constexpr int WindowHeight = 591;
constexpr int ColumnTop = 111;
// Tall enough for the tick boxes of thirteen rows (the thirteenth stands at
// 405 to 422); from the fourteenth row on each row grows the columns.
constexpr int ColumnHeight = 430;
constexpr int Pitch = 32;
constexpr int LastTopWithoutGrowing = 435;

}  // namespace

TForm_Test_Decomposition::TForm_Test_Decomposition(SchemaHost& host, MessageService& messages,
                                                   ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Test_Decomposition"));
  setWindowTitle(tr("Testovaci model - Dekompozice"));
  canvas_ = exercise::MakeCanvas(*this, QSize(WindowWidth, WindowHeight));
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());
  feedback_ = new ExerciseFeedback(*this);

  a_spravnaodpoved = exercise::MakeAction(this, "a_spravnaodpoved", tr("&Spravna odpoved"),
                                          &TForm_Test_Decomposition::a_spravnaodpovedExecute);
  a_new = exercise::MakeAction(this, "a_new", tr("&Zkusit znovu"),
                               &TForm_Test_Decomposition::a_newExecute);
  a_clear = exercise::MakeAction(this, "a_clear", tr("&Clear"),
                                 &TForm_Test_Decomposition::a_clearExecute);

  Label1 = exercise::MakeLabel(canvas_, "Label1", tr("Zavislosti schematu:"), QPoint(32, 24), true,
                               false, 16);
  Label2 = exercise::MakeLabel(
      canvas_, "Label2", tr("(zvolte, ktere zavislosti porusuji 3NF ci BCNF)"), QPoint(32, 48));
  Label5 = exercise::MakeLabel(canvas_, "Label5", QString(73, QLatin1Char('_')), QPoint(32, 56));
  Label_O1 =
      exercise::MakeLabel(canvas_, "Label_O1", QStringLiteral("3NF"), QPoint(303, 91), false, true);
  //: The word between "3NF" and "BCNF".
  Label6 = exercise::MakeLabel(canvas_, "Label6", tr("a"), QPoint(341, 91));
  Label_O2 = exercise::MakeLabel(canvas_, "Label_O2", QStringLiteral("BCNF"), QPoint(359, 91),
                                 false, true);
  Label_SR = exercise::MakeLabel(canvas_, "Label_SR", tr("Spravne reseni"), QPoint(440, 72), true);
  Label_R1 =
      exercise::MakeLabel(canvas_, "Label_R1", QStringLiteral("3NF"), QPoint(448, 91), false, true);
  //: The word between "3NF" and "BCNF".
  Label_R3 = exercise::MakeLabel(canvas_, "Label_R3", tr("a"), QPoint(493, 91));
  Label_R2 = exercise::MakeLabel(canvas_, "Label_R2", QStringLiteral("BCNF"), QPoint(512, 91),
                                 false, true);
  SetSolutionHeadingsVisible(false);

  GB_odpoved = new QGroupBox(canvas_);
  GB_odpoved->setObjectName(QStringLiteral("GB_odpoved"));
  GB_odpoved->setGeometry(282, ColumnTop, 137, ColumnHeight);
  GB_reseni = new QGroupBox(canvas_);
  GB_reseni->setObjectName(QStringLiteral("GB_reseni"));
  GB_reseni->setGeometry(438, ColumnTop, 137, ColumnHeight);
  GB_reseni->setEnabled(false);

  Label3 = exercise::MakeLabel(canvas_, "Label3", tr("Atributy"), QPoint(600, 43));
  Memo_Atr = new QPlainTextEdit(canvas_);
  Memo_Atr->setObjectName(QStringLiteral("Memo_Atr"));
  Memo_Atr->setReadOnly(true);
  Memo_Atr->setGeometry(600, 64, 145, 153);
  Label4 = exercise::MakeLabel(canvas_, "Label4", tr("Zavislosti"), QPoint(602, 227));
  Memo_Dep = new QPlainTextEdit(canvas_);
  // Dependencies read best whole, one a line; a long one scrolls sideways.
  Memo_Dep->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo_Dep->setObjectName(QStringLiteral("Memo_Dep"));
  Memo_Dep->setReadOnly(true);
  Memo_Dep->setGeometry(602, 258, 144, 188);

  Button1 =
      exercise::MakeActionButton(canvas_, "Button1", a_spravnaodpoved, QRect(598, 456, 105, 34));
  Button_new = exercise::MakeActionButton(canvas_, "Button_new", a_new, QRect(600, 497, 105, 33));
  Button_new->hide();
}

void TForm_Test_Decomposition::SetSolutionHeadingsVisible(bool visible) {
  for (QLabel* label : {Label_SR, Label_R1, Label_R2, Label_R3})
    label->setVisible(visible);
}

void TForm_Test_Decomposition::PrepareExercise() {
  // Opening the exercise again while it is open starts it afresh.
  FormClose();
  notice_->hide();
  const Schema& schema = host_.LiveSchema();
  if (!exercise::OffersTask(schema, *Button1)) return;
  dependencies_ = schema.dependencies;
  attributeNames_ = schema.attributes;
  // The main window's keys may belong to an earlier schema (they are only
  // recomputed by some commands), so the exercise finds the keys of the
  // dependencies it shows.
  keys_ = ComputeKeys(dependencies_, attributeNames_);
  exercise::ListFromTop(*Memo_Dep, ListDependencyLines(dependencies_, attributeNames_));
  exercise::ListFromTop(*Memo_Atr, ListAttributeLines(attributeNames_));

  nextTop_ = 100;
  for (const Dependency& d : dependencies_) {
    nextTop_ += Pitch;
    const int y = nextTop_;
    dependencyFields_.push_back(
        exercise::MakeDependencyField(canvas_, QRect(40, y, GB_odpoved->x() - 10 - 40, 22),
                                      ToText(ShowDependency(d, attributeNames_))));
    const int boxTop = y - ColumnTop;
    const int markTop = y - 116;
    answerBoxes3NF_.push_back(exercise::MakeTickBox(GB_odpoved, QRect(25, boxTop, 17, 17)));
    answerBoxesBCNF_.push_back(exercise::MakeTickBox(GB_odpoved, QRect(100, boxTop, 17, 17)));
    errorMarks3NF_.push_back(exercise::MakeErrorMark(GB_reseni, QRect(20, markTop, 25, 25)));
    errorMarksBCNF_.push_back(exercise::MakeErrorMark(GB_reseni, QRect(95, markTop, 25, 25)));
    for (auto [list, left] :
         {std::pair{&solutionBoxes3NF_, 25}, std::pair{&solutionBoxesBCNF_, 100}}) {
      QCheckBox* box = exercise::MakeTickBox(GB_reseni, QRect(left, boxTop, 17, 17));
      box->hide();
      list->push_back(box);
    }
    if (boxTop > LastTopWithoutGrowing) {
      for (QGroupBox* column : {GB_odpoved, GB_reseni})
        column->resize(column->width(), column->height() + Pitch);
      exercise::GrowWindow(*this, *canvas_, Pitch);
    }
  }
}

void TForm_Test_Decomposition::a_spravnaodpovedExecute() {
  for (std::size_t k = 0; k < solutionBoxes3NF_.size(); ++k) {
    solutionBoxes3NF_[k]->setChecked(false);
    solutionBoxesBCNF_[k]->setChecked(false);
    errorMarks3NF_[k]->hide();
    errorMarksBCNF_[k]->hide();
  }
  const AttributeSet nonPrime = MarkNonPrimeAttributes(keys_);
  std::size_t k = 0;
  for (const Dependency& d : dependencies_) {
    switch (DependencyNormalForm(d, keys_, nonPrime)) {
      case NormalFormClass::Violates3NF:
        solutionBoxes3NF_[k]->setChecked(true);
        break;
      case NormalFormClass::ThirdOnly:
        solutionBoxesBCNF_[k]->setChecked(true);
        break;
      case NormalFormClass::Bcnf:
      case NormalFormClass::NotComputed:  // a dependency always has a class
        break;
    }
    ++k;
  }
  const auto differs3NF = [this](std::size_t row) {
    return answerBoxes3NF_[row]->isChecked() != solutionBoxes3NF_[row]->isChecked();
  };
  const auto differsBCNF = [this](std::size_t row) {
    return answerBoxesBCNF_[row]->isChecked() != solutionBoxesBCNF_[row]->isChecked();
  };
  bool correct = true;
  for (k = 0; k < answerBoxes3NF_.size(); ++k) {
    if (differs3NF(k) || differsBCNF(k)) correct = false;
  }
  if (!exercise::AnnounceVerdict(correct, messages_)) return;
  feedback_->Record(correct);
  QStringList why;
  k = 0;
  for (const Dependency& d : dependencies_) {
    if (differs3NF(k) || differsBCNF(k)) why << ViolationLines(d, nonPrime);
    ++k;
  }
  feedback_->Explain(why);
  ShowSolution();
  // Only a given-up answer has rows to mark.
  for (k = 0; k < answerBoxes3NF_.size(); ++k) {
    if (differsBCNF(k)) errorMarksBCNF_[k]->show();
    if (differs3NF(k)) errorMarks3NF_[k]->show();
  }
}

QStringList TForm_Test_Decomposition::ViolationLines(const Dependency& d,
                                                     AttributeSet nonPrime) const {
  const QString shown = ToText(ShowDependency(d, attributeNames_));
  const QString rhs = ToText(NameOf(attributeNames_, d.Rhs()));
  if (d.LhsHas(d.Rhs())) return {tr("%1 je trivialni, zadnou formu neporusuje").arg(shown)};
  for (const KeyRecord& key : keys_) {
    if (key.member.IsSubsetOf(d.LhsSet())) {
      return {tr("%1: leva strana obsahuje klic %2, zavislost BCNF neporusuje")
                  .arg(shown, explain::SetText(key.member, attributeNames_))};
    }
  }
  QStringList keyTexts;
  for (const KeyRecord& key : keys_)
    keyTexts << explain::SetText(key.member, attributeNames_);
  const QString lhs = tr("%1: leva strana neobsahuje zadny klic (%2)")
                          .arg(shown, keyTexts.join(QStringLiteral(", ")));
  if (nonPrime.Has(d.Rhs())) {
    return {lhs, tr("  %1 neni klicovy atribut, proto je porusena 3NF").arg(rhs)};
  }
  return {lhs, tr("  %1 je klicovy atribut, proto je porusena jen BCNF").arg(rhs)};
}

void TForm_Test_Decomposition::ShowSolution() {
  for (std::size_t k = 0; k < solutionBoxes3NF_.size(); ++k) {
    solutionBoxes3NF_[k]->show();
    solutionBoxesBCNF_[k]->show();
  }
  SetSolutionHeadingsVisible(true);
  GB_odpoved->setEnabled(false);
  Button1->setEnabled(false);
  Button_new->show();
}

void TForm_Test_Decomposition::a_newExecute() {
  Button1->setEnabled(true);
  Button_new->hide();
  for (std::size_t k = 0; k < answerBoxes3NF_.size(); ++k) {
    for (QCheckBox* box :
         {answerBoxes3NF_[k], answerBoxesBCNF_[k], solutionBoxes3NF_[k], solutionBoxesBCNF_[k]}) {
      box->setChecked(false);
    }
    solutionBoxes3NF_[k]->hide();
    solutionBoxesBCNF_[k]->hide();
    errorMarks3NF_[k]->hide();
    errorMarksBCNF_[k]->hide();
  }
  SetSolutionHeadingsVisible(false);
  GB_odpoved->setEnabled(true);
}

void TForm_Test_Decomposition::a_clearExecute() {
  for (std::vector<QCheckBox*>* boxes :
       {&answerBoxes3NF_, &answerBoxesBCNF_, &solutionBoxes3NF_, &solutionBoxesBCNF_}) {
    for (QCheckBox* box : *boxes)
      delete box;
    boxes->clear();
  }
  for (std::vector<QLineEdit*>* fields : {&dependencyFields_, &errorMarks3NF_, &errorMarksBCNF_}) {
    for (QLineEdit* field : *fields)
      delete field;
    fields->clear();
  }
  // The rows are gone with their boxes: nothing may judge them any more.
  dependencies_.clear();
  Button1->setEnabled(false);
  SetSolutionHeadingsVisible(false);
  exercise::SetWindowHeight(*this, *canvas_, WindowHeight);
}

void TForm_Test_Decomposition::FormClose() {
  feedback_->ResetScore();
  a_clearExecute();
  Memo_Atr->clear();
  Memo_Dep->clear();
  Button_new->hide();
  GB_odpoved->setEnabled(true);
  GB_reseni->setEnabled(false);
  for (QGroupBox* column : {GB_odpoved, GB_reseni})
    column->resize(column->width(), ColumnHeight);
  exercise::SetWindowHeight(*this, *canvas_, WindowHeight);
}
