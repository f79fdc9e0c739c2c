#include "DecompositionExercise.h"

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

#include "DataMemo.h"
#include "Display.h"
#include "ExerciseFeedback.h"
#include "ExerciseSupport.h"
#include "RowPanel.h"
#include "SchemaListing.h"
#include "WrappingField.h"

namespace {

using Violation = DecompositionExerciseSession::Violation;
constexpr std::array<Violation, 2> Violations = {Violation::ThirdNormalForm,
                                                 Violation::BoyceCoddOnly};

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

// The rows of a column, spaced alike in every column, with the slack below
// the last one.
RowPanel* Rows(QWidget* column, const QString& name, int sideMargin) {
  auto* rows = new RowPanel(column);
  rows->setObjectName(name);
  rows->grid().setHorizontalSpacing(0);
  rows->grid().setVerticalSpacing(RowSpacing);
  rows->grid().setColumnStretch(0, 1);
  rows->grid().setColumnStretch(1, 1);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(sideMargin, 0, sideMargin, 0);
  layout->addWidget(rows);
  layout->addStretch(1);
  return rows;
}

}  // namespace

DecompositionExercise::DecompositionExercise(DecompositionExerciseSession& session,
                                             SchemaHost& host, RandomSource& random,
                                             MessageService& messages, ErrorDisplay& errors,
                                             QWidget* parent)
    : CorrectableExercise(session, host, random, messages, errors, parent), session_(session) {
  setObjectName(QStringLiteral("Form_Test_Decomposition"));
  setWindowTitle(tr("Testovaci model - Dekompozice"));
  canvas_ = canvas();
  resize(WindowWidth, WindowHeight);

  Label1 = exercise::MakeLabel(canvas_, "Label1", tr("Zavislosti schematu:"), true, false, 16);
  Label2 =
      exercise::MakeLabel(canvas_, "Label2", tr("(zvolte, ktere zavislosti porusuji 3NF ci BCNF)"));
  Label5 = exercise::MakeLabel(canvas_, "Label5", QString(73, QLatin1Char('_')));
  Label_O1 = exercise::MakeLabel(canvas_, "Label_O1", QStringLiteral("3NF"), false, true);
  //: The word between "3NF" and "BCNF".
  Label6 = exercise::MakeLabel(canvas_, "Label6", tr("a"));
  Label_O2 = exercise::MakeLabel(canvas_, "Label_O2", QStringLiteral("BCNF"), false, true);
  Label_SR = exercise::MakeLabel(canvas_, "Label_SR", tr("Spravne reseni"), true);
  Label_R1 = exercise::MakeLabel(canvas_, "Label_R1", QStringLiteral("3NF"), false, true);
  //: The word between "3NF" and "BCNF".
  Label_R3 = exercise::MakeLabel(canvas_, "Label_R3", tr("a"));
  Label_R2 = exercise::MakeLabel(canvas_, "Label_R2", QStringLiteral("BCNF"), false, true);
  // Hidden until the solution shows, they keep their place meanwhile.
  for (QLabel* label : {Label_SR, Label_R1, Label_R2, Label_R3})
    exercise::KeepPlaceWhenHidden(*label);

  // The dependency fields, the answer boxes and the solution boxes are three
  // columns of rows alike in height and spacing, so each row lines up with
  // its dependency.
  GB_odpoved = new QGroupBox(canvas_);
  GB_odpoved->setObjectName(QStringLiteral("GB_odpoved"));
  answerRows_ = Rows(GB_odpoved, QStringLiteral("Rows_GB_odpoved"), 8);
  GB_reseni = new QGroupBox(canvas_);
  GB_reseni->setObjectName(QStringLiteral("GB_reseni"));
  solutionRows_ = Rows(GB_reseni, QStringLiteral("Rows_GB_reseni"), 8);
  GB_reseni->setEnabled(false);
  DependencyFields = new RowPanel(canvas_);
  DependencyFields->setObjectName(QStringLiteral("DependencyFields"));
  DependencyFields->grid().setVerticalSpacing(RowSpacing);
  // The fields start where the columns' rows do, below the columns' frame.
  DependencyFields->grid().setContentsMargins(0, GB_odpoved->contentsMargins().top(), 0, 0);

  Label3 = exercise::MakeLabel(canvas_, "Label3", tr("Atributy"));
  Memo_Atr = new DataMemo(canvas_);
  Memo_Atr->setObjectName(QStringLiteral("Memo_Atr"));
  Memo_Atr->setMinimumSize(145, 153);
  Label4 = exercise::MakeLabel(canvas_, "Label4", tr("Zavislosti"));
  Memo_Dep = exercise::MakeDependencyMemo(canvas_, "Memo_Dep");
  Memo_Dep->setMinimumSize(MemoWidth, 188);

  makeCommandButtons(QSize(105, 34), QSize(105, 33));

  auto* side = new QVBoxLayout;
  side->setSpacing(6);
  side->addWidget(Label3);
  side->addWidget(Memo_Atr);
  side->addSpacing(4);
  side->addWidget(Label4);
  side->addWidget(Memo_Dep);
  side->addSpacing(4);
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
  grid->addWidget(exercise::MakeMistakeLegend(canvas_), 6, 0, 1, 3, Qt::AlignTop);

  connect(&session_, &DecompositionExerciseSession::taskChanged, this,
          &DecompositionExercise::buildRows);
  connect(&session_, &ExerciseSession::phaseChanged, this, &DecompositionExercise::showPhase);
  showPhase(session_.phase());
}

void DecompositionExercise::buildRows() {
  rowControls_.clear();
  for (RowPanel* rows : {DependencyFields, answerRows_, solutionRows_}) {
    rows->clear();
    // The emptied rows leave no room behind in the columns.
    for (int row = 0; row < rows->grid().rowCount(); ++row)
      rows->grid().setRowMinimumHeight(row, 0);
  }
  const AttributeTable& names = session_.names();
  Memo_Atr->clear();
  Memo_Dep->clear();
  if (names[0].empty()) return;
  exercise::ListFromTop(*Memo_Dep, ListDependencyLines(session_.dependencies(), names));
  exercise::ListFromTop(*Memo_Atr, ListAttributeLines(names));

  std::vector<WrappingField*> fields;
  int fieldWidth = 0;
  int row = 0;
  for (const Dependency& d : session_.dependencies()) {
    WrappingField* field =
        exercise::MakeDependencyField(DependencyFields, ToText(ShowDependency(d, names)));
    fieldWidth = std::max(fieldWidth, field->OneLineWidth());
    fields.push_back(field);
    DependencyFields->grid().addWidget(field, row, 0);
    const std::size_t k = static_cast<std::size_t>(row);
    RowControls controls{};
    for (int column = 0; column < 2; ++column) {
      const Violation violation = Violations[column];
      QCheckBox* answer = exercise::MakeTickBox(answerRows_);
      answerRows_->grid().addWidget(answer, row, column, Qt::AlignCenter);
      connect(answer, &QCheckBox::toggled, this,
              [this, k, violation](bool ticked) { session_.setTicked(k, violation, ticked); });
      // The mark stands behind its solution box and frames it.
      QLineEdit* mark = exercise::MakeErrorMark(solutionRows_);
      mark->setFixedSize(MarkSize, MarkSize);
      exercise::KeepPlaceWhenHidden(*mark);
      solutionRows_->grid().addWidget(mark, row, column, Qt::AlignCenter);
      QCheckBox* solution = exercise::MakeTickBox(solutionRows_);
      exercise::KeepPlaceWhenHidden(*solution);
      solutionRows_->grid().addWidget(solution, row, column, Qt::AlignCenter);
      controls.answer[column] = answer;
      controls.mark[column] = mark;
      controls.solution[column] = solution;
    }
    rowControls_.push_back(controls);
    ++row;
  }
  // A dependency wider than the screen leaves the fields goes on onto
  // further lines, and its row grows with it in every column, so that the
  // boxes stay level with their dependency.
  const int width = std::min(fieldWidth, RoomFor(*this, *canvas_, *DependencyFields));
  for (int k = 0; k < static_cast<int>(fields.size()); ++k) {
    fields[k]->setFixedSize(width, fields[k]->heightForWidth(width));
    const int rowHeight = std::max(fields[k]->height(), MarkSize);
    for (RowPanel* rows : {DependencyFields, answerRows_, solutionRows_})
      rows->grid().setRowMinimumHeight(k, rowHeight);
  }
  // The list beside gets what the fields leave of the screen.
  exercise::FitLines(*this, *canvas_, *Memo_Dep, MemoWidth);
}

void DecompositionExercise::showPhase(ExerciseSession::Phase phase) {
  const bool answering = phase == ExerciseSession::Phase::Answering;
  const bool checked = phase == ExerciseSession::Phase::Checked;
  for (QLabel* label : {Label_SR, Label_R1, Label_R2, Label_R3})
    label->setVisible(checked);
  // The answer boxes take ticks exactly while answering; an empty column
  // waits for a task.
  GB_odpoved->setEnabled(answering ||
                         (phase == ExerciseSession::Phase::NoTask && rowControls_.empty()));
  for (std::size_t k = 0; k < rowControls_.size(); ++k) {
    const RowControls& row = rowControls_[k];
    for (int column = 0; column < 2; ++column) {
      const Violation violation = Violations[column];
      if (answering) row.answer[column]->setChecked(session_.isTicked(k, violation));
      row.solution[column]->setChecked(checked && session_.violates(k, violation));
      row.solution[column]->setVisible(checked);
      row.mark[column]->setVisible(checked && session_.isWrong(k, violation));
    }
  }
  showCommands(phase);
}
