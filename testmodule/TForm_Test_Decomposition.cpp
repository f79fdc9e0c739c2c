#include "TForm_Test_Decomposition.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "Data_statement_2.h"
#include "Display.h"
#include "ExerciseExplanations.h"
#include "ExerciseSupport.h"
#include "Keys.h"
#include "Nf.h"

namespace {

// The window opens at this size and grows with its rows up to the screen.
constexpr int WindowWidth = 866;
constexpr int WindowHeight = 591;
// The answer and solution columns are never narrower than this.
constexpr int ColumnWidth = 137;
// The dependency list is never narrower than this.
constexpr int MemoWidth = 144;
// Space between the rows of dependencies, the same in every column so that
// each row's boxes stand level with its dependency.
constexpr int RowSpacing = 10;
// The red mark frames the tick box it stands behind.
constexpr int MarkSize = 25;

// A hidden control keeps its place, so that nothing shifts when the solution
// shows.
void KeepPlaceWhenHidden(QWidget& widget) {
  QSizePolicy policy = widget.sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget.setSizePolicy(policy);
}

// A label's text on one line beside its neighbours, centred over a column.
QHBoxLayout* Heading(std::initializer_list<QLabel*> labels) {
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  row->addStretch(1);
  for (QLabel* label : labels)
    row->addWidget(label);
  row->addStretch(1);
  return row;
}

// The rows of a column: each as tall as `rowHeight`, spaced alike, with the
// slack below the last one.
QGridLayout* RowGrid(QWidget* column, int sideMargin) {
  auto* grid = new QGridLayout(column);
  grid->setContentsMargins(sideMargin, 0, sideMargin, 0);
  grid->setHorizontalSpacing(0);
  grid->setVerticalSpacing(RowSpacing);
  return grid;
}

}  // namespace

TForm_Test_Decomposition::TForm_Test_Decomposition(SchemaHost& host, MessageService& messages,
                                                   ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Test_Decomposition"));
  setWindowTitle(tr("Testovaci model - Dekompozice"));
  canvas_ = MakeScrollingCanvas(*this, QSize(0, 0));
  resize(WindowWidth, WindowHeight);
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());
  feedback_ = new ExerciseFeedback(*this, *canvas_);

  a_spravnaodpoved = exercise::MakeAction(this, "a_spravnaodpoved", tr("&Spravna odpoved"),
                                          &TForm_Test_Decomposition::a_spravnaodpovedExecute);
  a_new = exercise::MakeAction(this, "a_new", tr("&Zkusit znovu"),
                               &TForm_Test_Decomposition::a_newExecute);
  a_clear = exercise::MakeAction(this, "a_clear", tr("&Clear"),
                                 &TForm_Test_Decomposition::a_clearExecute);

  Label1 =
      exercise::MakeLabel(canvas_, "Label1", tr("Zavislosti schematu:"), QPoint(), true, false, 16);
  Label2 = exercise::MakeLabel(canvas_, "Label2",
                               tr("(zvolte, ktere zavislosti porusuji 3NF ci BCNF)"), QPoint());
  Label5 = exercise::MakeLabel(canvas_, "Label5", QString(73, QLatin1Char('_')), QPoint());
  Label_O1 = exercise::MakeLabel(canvas_, "Label_O1", QStringLiteral("3NF"), QPoint(), false, true);
  //: The word between "3NF" and "BCNF".
  Label6 = exercise::MakeLabel(canvas_, "Label6", tr("a"), QPoint());
  Label_O2 =
      exercise::MakeLabel(canvas_, "Label_O2", QStringLiteral("BCNF"), QPoint(), false, true);
  Label_SR = exercise::MakeLabel(canvas_, "Label_SR", tr("Spravne reseni"), QPoint(), true);
  Label_R1 = exercise::MakeLabel(canvas_, "Label_R1", QStringLiteral("3NF"), QPoint(), false, true);
  //: The word between "3NF" and "BCNF".
  Label_R3 = exercise::MakeLabel(canvas_, "Label_R3", tr("a"), QPoint());
  Label_R2 =
      exercise::MakeLabel(canvas_, "Label_R2", QStringLiteral("BCNF"), QPoint(), false, true);
  for (QLabel* label : {Label_SR, Label_R1, Label_R2, Label_R3})
    KeepPlaceWhenHidden(*label);
  SetSolutionHeadingsVisible(false);

  // The dependency fields, the answer boxes and the solution boxes are three
  // columns of rows alike in height and spacing, so each row lines up with
  // its dependency.
  DependencyFields = new QWidget(canvas_);
  DependencyFields->setObjectName(QStringLiteral("DependencyFields"));
  fieldRows_ = RowGrid(DependencyFields, 0);
  GB_odpoved = new QGroupBox(canvas_);
  GB_odpoved->setObjectName(QStringLiteral("GB_odpoved"));
  answerRows_ = RowGrid(GB_odpoved, 8);
  GB_reseni = new QGroupBox(canvas_);
  GB_reseni->setObjectName(QStringLiteral("GB_reseni"));
  solutionRows_ = RowGrid(GB_reseni, 8);
  GB_reseni->setEnabled(false);

  Label3 = exercise::MakeLabel(canvas_, "Label3", tr("Atributy"), QPoint());
  Memo_Atr = new QPlainTextEdit(canvas_);
  Memo_Atr->setObjectName(QStringLiteral("Memo_Atr"));
  Memo_Atr->setReadOnly(true);
  Memo_Atr->setMinimumSize(145, 153);
  Label4 = exercise::MakeLabel(canvas_, "Label4", tr("Zavislosti"), QPoint());
  Memo_Dep = exercise::MakeDependencyMemo(canvas_, "Memo_Dep");
  Memo_Dep->setMinimumSize(MemoWidth, 188);

  Button1 = exercise::MakeActionButton(canvas_, "Button1", a_spravnaodpoved, QRect());
  Button1->setMinimumSize(105, 34);
  Button_new = exercise::MakeActionButton(canvas_, "Button_new", a_new, QRect());
  Button_new->setMinimumSize(105, 33);
  Button_new->hide();

  auto* side = new QVBoxLayout;
  side->setSpacing(6);
  side->addWidget(Label3);
  side->addWidget(Memo_Atr);
  side->addSpacing(4);
  side->addWidget(Label4);
  side->addWidget(Memo_Dep);
  side->addSpacing(4);
  side->addWidget(Button1, 0, Qt::AlignLeft);
  side->addWidget(Button_new, 0, Qt::AlignLeft);
  side->addStretch(1);

  auto* grid = new QGridLayout(canvas_);
  grid->setContentsMargins(32, 24, 20, 20);
  grid->setHorizontalSpacing(19);
  grid->setVerticalSpacing(2);
  grid->addWidget(Label1, 0, 0, 1, 3);
  grid->addWidget(Label2, 1, 0, 1, 3);
  grid->addWidget(Label5, 2, 0, 1, 3);
  grid->addWidget(Label_SR, 3, 2, Qt::AlignHCenter);
  grid->addLayout(Heading({Label_O1, Label6, Label_O2}), 4, 1);
  grid->addLayout(Heading({Label_R1, Label_R3, Label_R2}), 4, 2);
  grid->addWidget(DependencyFields, 5, 0, Qt::AlignLeft | Qt::AlignTop);
  grid->addWidget(GB_odpoved, 5, 1);
  grid->addWidget(GB_reseni, 5, 2);
  grid->addLayout(side, 0, 3, 6, 1);
  grid->setColumnMinimumWidth(1, ColumnWidth);
  grid->setColumnMinimumWidth(2, ColumnWidth);
  // Spare width goes to the lists, which show whole lines.
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(5, 1);
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

  std::vector<QString> texts;
  for (const Dependency& d : dependencies_)
    texts.push_back(ToText(ShowDependency(d, attributeNames_)));
  // The fields start where the columns' rows do, below the columns' frame.
  fieldRows_->setContentsMargins(0, GB_odpoved->contentsMargins().top(), 0, 0);
  int fieldWidth = 0;
  int row = 0;
  for (const QString& text : texts) {
    QLineEdit* field = exercise::MakeDependencyField(DependencyFields, QRect(), text);
    fieldWidth = std::max(fieldWidth, WholeTextWidth(*field, text));
    dependencyFields_.push_back(field);
    fieldRows_->addWidget(field, row, 0);
    // Every row is as tall as its tallest control, the same in each column.
    const int rowHeight = std::max(field->sizeHint().height(), MarkSize);
    for (QGridLayout* rows : {fieldRows_, answerRows_, solutionRows_})
      rows->setRowMinimumHeight(row, rowHeight);
    answerBoxes3NF_.push_back(exercise::MakeTickBox(GB_odpoved, QRect()));
    answerBoxesBCNF_.push_back(exercise::MakeTickBox(GB_odpoved, QRect()));
    answerRows_->addWidget(answerBoxes3NF_.back(), row, 0, Qt::AlignCenter);
    answerRows_->addWidget(answerBoxesBCNF_.back(), row, 1, Qt::AlignCenter);
    // The mark stands behind its solution box and frames it.
    errorMarks3NF_.push_back(exercise::MakeErrorMark(GB_reseni, QRect()));
    errorMarksBCNF_.push_back(exercise::MakeErrorMark(GB_reseni, QRect()));
    int column = 0;
    for (auto [marks, boxes] : {std::pair{&errorMarks3NF_, &solutionBoxes3NF_},
                                std::pair{&errorMarksBCNF_, &solutionBoxesBCNF_}}) {
      marks->back()->setFixedSize(MarkSize, MarkSize);
      KeepPlaceWhenHidden(*marks->back());
      solutionRows_->addWidget(marks->back(), row, column, Qt::AlignCenter);
      QCheckBox* box = exercise::MakeTickBox(GB_reseni, QRect());
      box->hide();
      KeepPlaceWhenHidden(*box);
      boxes->push_back(box);
      solutionRows_->addWidget(box, row, column, Qt::AlignCenter);
      ++column;
    }
    ++row;
  }
  for (QGridLayout* rows : {answerRows_, solutionRows_}) {
    rows->setRowStretch(row, 1);
    rows->setColumnStretch(0, 1);
    rows->setColumnStretch(1, 1);
  }
  // A dependency wider than the screen leaves the fields is read in its
  // field's tooltip.
  const int widest = RoomFor(*this, *canvas_, *DependencyFields);
  for (QLineEdit* field : dependencyFields_)
    field->setFixedWidth(std::min(fieldWidth, widest));
  // The list beside gets what the fields leave of the screen.
  exercise::FitLines(*this, *canvas_, *Memo_Dep, MemoWidth);
  EnterPhase(exercise::Phase::Answering);
}

void TForm_Test_Decomposition::a_spravnaodpovedExecute() {
  if (phase_ != exercise::Phase::Answering) return;
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
  EnterPhase(exercise::Phase::Checked);
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
  if (phase_ != exercise::Phase::Checked) return;
  EnterPhase(exercise::Phase::Answering);
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
  EnterPhase(exercise::Phase::NoTask);
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
  // The emptied rows leave no room behind in the columns.
  for (QGridLayout* rows : {fieldRows_, answerRows_, solutionRows_}) {
    for (int row = 0; row < rows->rowCount(); ++row) {
      rows->setRowMinimumHeight(row, 0);
      rows->setRowStretch(row, 0);
    }
  }
}

void TForm_Test_Decomposition::FormClose() {
  feedback_->ResetScore();
  a_clearExecute();
  Memo_Atr->clear();
  Memo_Dep->clear();
  Button_new->hide();
  GB_odpoved->setEnabled(true);
  GB_reseni->setEnabled(false);
}

void TForm_Test_Decomposition::EnterPhase(exercise::Phase phase) {
  phase_ = phase;
  a_spravnaodpoved->setEnabled(phase == exercise::Phase::Answering);
}
