#include "TForm_Test_MaxSet.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "Data_statement_2.h"
#include "Display.h"
#include "ExerciseExplanations.h"
#include "ExerciseSupport.h"
#include "MaxSets.h"

namespace {

exercise::ColumnsLayout Layout() {
  exercise::ColumnsLayout layout;
  layout.window = QSize(865, 450);
  layout.frameColour = QApplication::palette().color(QPalette::Highlight);
  layout.columnWidth = 164;
  layout.controlWidth = 140;
  layout.okCaption = TForm_Test_MaxSet::tr("OK");
  layout.ok = QSize(46, 26);
  layout.answerButton = QSize(92, 26);
  layout.memo = QSize(162, 241);
  layout.newTask = QSize(92, 26);
  return layout;
}

}  // namespace

TForm_Test_MaxSet::TForm_Test_MaxSet(SchemaHost& host, MessageService& messages,
                                     ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Test_MaxSet"));
  setWindowTitle(tr("Testovaci modul  - Maximalni mnoziny"));
  const exercise::ColumnsLayout layout = Layout();
  QWidget* canvas = MakeScrollingCanvas(*this, QSize(0, 0));
  resize(layout.window);
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());
  feedback_ = new ExerciseFeedback(*this, *canvas);

  a_spravnaOdpoved = exercise::MakeAction(this, "a_spravnaOdpoved", tr("&Spravne reseni"),
                                          &TForm_Test_MaxSet::a_spravnaOdpovedExecute);
  a_new = exercise::MakeAction(this, "a_new", tr("&Nove zadani"), &TForm_Test_MaxSet::a_newExecute);
  a_clear = exercise::MakeAction(this, "a_clear", tr("&Clear"), &TForm_Test_MaxSet::a_clearExecute);

  Label1 = exercise::MakeLabel(canvas, "Label1", tr("Zvol si atribut pro max(A):"), QPoint());
  Label2 = exercise::MakeLabel(canvas, "Label2", tr("Zadejte vase reseni:"), QPoint());
  Label3 = exercise::MakeLabel(canvas, "Label3", tr("Spravna odpoved:"), QPoint());
  Label4 = exercise::MakeLabel(canvas, "Label4", tr("Zavislosti:"), QPoint());

  columns_ =
      std::make_unique<exercise::AnswerColumns>(*this, *canvas, layout, a_spravnaOdpoved, a_new);
  columns_->PlaceHeadings(Label1, Label2, Label3, Label4);
  connect(columns_->OK, &QPushButton::clicked, this, &TForm_Test_MaxSet::OKClick);
  SetDefaultButton(columns_->OK);
}

TForm_Test_MaxSet::~TForm_Test_MaxSet() = default;

void TForm_Test_MaxSet::PrepareExercise() {
  // Opening the exercise again while it is open starts it afresh instead of
  // building a second task over the first.
  FormClose();
  notice_->hide();
  const Schema& schema = host_.LiveSchema();
  if (!exercise::OffersTask(schema, *columns_->OK)) return;
  dependencies_ = schema.dependencies;
  attributeNames_ = schema.attributes;
  columns_->AddTasks(attributeNames_, exercise::TaskControl::RadioButtons, true);
  columns_->ListDependencies(ListDependencyLines(dependencies_, attributeNames_));
  columns_->Panel_BckGr_reseni->hide();
  columns_->Panel_BckGr_odpoved->hide();
  columns_->Button_Odpoved->hide();
  columns_->Button_Novy->hide();
}

void TForm_Test_MaxSet::OKClick() {
  if (phase_ != exercise::Phase::NoTask || columns_->tasks.empty()) return;
  columns_->FixTask(chosenSet, messages_);
  if (!chosenSet.Empty()) EnterPhase(exercise::Phase::Answering);
}

void TForm_Test_MaxSet::a_spravnaOdpovedExecute() {
  if (phase_ != exercise::Phase::Answering) return;
  AttributeIndex a = 0;
  for (std::size_t k = 0; k < columns_->tasks.size(); ++k) {
    if (columns_->tasks[k]->isChecked()) {
      a = columns_->shown[k];
      break;
    }
  }
  const AttributeSet solution = UnionOfMaximalSets(dependencies_, attributeNames_, a);
  // An attribute lies in some maximal set of `a` exactly when it does not
  // determine `a` on its own.
  QStringList why;
  const QString chosen = ToText(NameOf(attributeNames_, a));
  for (std::size_t k = 0; k < columns_->answers.size(); ++k) {
    const AttributeIndex b = columns_->shown[k];
    if (columns_->answers[k]->isChecked() == solution.Has(b)) continue;
    const QString name = ToText(NameOf(attributeNames_, b));
    if (solution.Has(b)) {
      AttributeSet reached = AttributeSet::Of({b});
      reached = Reached(reached, TraceClosure(reached, dependencies_));
      why << tr("%1 patri do nektere maximalni mnoziny: jeho uzaver %2 neobsahuje %3")
                 .arg(name, explain::SetText(reached, attributeNames_), chosen);
    } else {
      why << tr("%1 do maximalni mnoziny nepatri: urcuje %2:").arg(name, chosen)
          << explain::TraceLines(TraceClosure(AttributeSet::Of({b}), dependencies_, a),
                                 attributeNames_);
    }
  }
  feedback_->Explain(why);
  feedback_->Record(columns_->ShowSolution(solution, messages_));
  EnterPhase(exercise::Phase::Checked);
}

void TForm_Test_MaxSet::a_newExecute() {
  a_clearExecute();
  // The columns keep the size reached at preparation, which already fits
  // every attribute of the schema.
  columns_->AddTasks(attributeNames_, exercise::TaskControl::RadioButtons, false);
  columns_->OK->setFocus();
}

void TForm_Test_MaxSet::a_clearExecute() {
  EnterPhase(exercise::Phase::NoTask);
  feedback_->Explain({});
  columns_->Panel_BckGr_1->show();
  columns_->Clear();
}

void TForm_Test_MaxSet::FormClose() {
  feedback_->ResetScore();
  a_clearExecute();
  columns_->Reset();
}

void TForm_Test_MaxSet::EnterPhase(exercise::Phase phase) {
  phase_ = phase;
  a_spravnaOdpoved->setEnabled(phase == exercise::Phase::Answering);
}
