#include "TForm_Test_Closure.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "Closure.h"
#include "Data_statement_2.h"
#include "Display.h"
#include "ExerciseExplanations.h"
#include "ExerciseSupport.h"

namespace {

exercise::ColumnsLayout Layout() {
  exercise::ColumnsLayout layout;
  layout.window = QSize(948, 390);
  layout.frameColour = exercise::Navy;
  layout.columnWidth = 190;
  layout.controlWidth = 170;
  layout.okCaption = TForm_Test_Closure::tr("&OK");
  layout.ok = QSize(75, 25);
  layout.answerButton = QSize(115, 25);
  layout.memo = QSize(190, 215);
  layout.newTask = QSize(100, 25);
  return layout;
}

}  // namespace

TForm_Test_Closure::TForm_Test_Closure(SchemaHost& host, MessageService& messages,
                                       ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Test_Closure"));
  setWindowTitle(tr("Testovaci modul - Uzaver"));
  const exercise::ColumnsLayout layout = Layout();
  QWidget* canvas = MakeScrollingCanvas(*this, QSize(0, 0));
  resize(layout.window);
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());
  feedback_ = new ExerciseFeedback(*this, *canvas);

  a_spravnaOdpoved = exercise::MakeAction(this, "a_spravnaOdpoved", tr("&Spravna odpoved"),
                                          &TForm_Test_Closure::a_spravnaOdpovedExecute);
  a_new =
      exercise::MakeAction(this, "a_new", tr("&Nove zadani"), &TForm_Test_Closure::a_newExecute);
  a_clear =
      exercise::MakeAction(this, "a_clear", tr("&Clear"), &TForm_Test_Closure::a_clearExecute);

  const QString label1Text = tr("Zvolte si atributy pro A  :");
  Label1 = exercise::MakeLabel(canvas, "Label1", label1Text, QPoint(), true, true);
  // The plus stands raised right behind the A, so that the caption reads A+;
  // it rides on the caption, which leaves it room above the text.
  const QFontMetrics metrics(Label1->font());
  Label1->setMinimumHeight(Label1->sizeHint().height() + metrics.ascent() / 2);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  Label2 = exercise::MakeLabel(Label1, "Label2", QStringLiteral("+"), QPoint(0, 0), true);
  Label_odpoved = exercise::MakeLabel(canvas, "Label_odpoved", tr("Zadejte vase reseni:"), QPoint(),
                                      true, true);
  Label3 = exercise::MakeLabel(canvas, "Label3", tr("Spravna odpoved:"), QPoint(), true, true);
  Label4 = exercise::MakeLabel(canvas, "Label4", tr("Zavislosti:"), QPoint(), true, true);

  columns_ =
      std::make_unique<exercise::AnswerColumns>(*this, *canvas, layout, a_spravnaOdpoved, a_new);
  columns_->PlaceHeadings(Label1, Label_odpoved, Label3, Label4);
  // Behind the A, whatever margin the heading's column gives the caption.
  Label2->move(Label1->contentsMargins().left() + metrics.horizontalAdvance(label1Text.left(
                                                      label1Text.indexOf(QLatin1Char('A')) + 1)),
               0);
  connect(columns_->OK, &QPushButton::clicked, this, &TForm_Test_Closure::OKClick);
  SetDefaultButton(columns_->OK);
}

TForm_Test_Closure::~TForm_Test_Closure() = default;

void TForm_Test_Closure::PrepareExercise() {
  // Opening the exercise again while it is open starts it afresh instead of
  // building a second task over the first.
  FormClose();
  notice_->hide();
  const Schema& schema = host_.LiveSchema();
  if (!exercise::OffersTask(schema, *columns_->OK)) return;
  dependencies_ = schema.dependencies;
  attributeNames_ = schema.attributes;
  columns_->AddTasks(attributeNames_, exercise::TaskControl::TickBoxes, true);
  attributeCount_ = static_cast<int>(columns_->shown.size());
  columns_->ListDependencies(ListDependencyLines(dependencies_, attributeNames_));
}

void TForm_Test_Closure::OKClick() {
  if (phase_ != exercise::Phase::NoTask || columns_->tasks.empty()) return;
  columns_->FixTask(chosenSet, messages_);
  if (!chosenSet.Empty()) EnterPhase(exercise::Phase::Answering);
}

void TForm_Test_Closure::a_spravnaOdpovedExecute() {
  if (phase_ != exercise::Phase::Answering) return;
  AttributeSet closure = chosenSet;
  ComputeClosure(closure, NoAttribute, dependencies_, nullptr);
  feedback_->Explain(
      QStringList{
          tr("Uzaver %1 krok za krokem:").arg(explain::SetText(chosenSet, attributeNames_))} +
      explain::TraceLines(TraceClosure(chosenSet, dependencies_), attributeNames_));
  feedback_->Record(columns_->ShowSolution(closure, messages_));
  EnterPhase(exercise::Phase::Checked);
  columns_->Button_Novy->setFocus();
}

void TForm_Test_Closure::a_newExecute() {
  a_clearExecute();
  columns_->AddTasks(attributeNames_, exercise::TaskControl::TickBoxes, false);
  columns_->OK->setFocus();
}

void TForm_Test_Closure::a_clearExecute() {
  EnterPhase(exercise::Phase::NoTask);
  feedback_->Explain({});
  columns_->Panel_BckGr_1->hide();
  columns_->Clear();
  attributeCount_ = 0;
  // The window keeps the height reached at preparation: a new task on the
  // same schema needs the same room.
}

void TForm_Test_Closure::FormClose() {
  feedback_->ResetScore();
  a_clearExecute();
  columns_->Reset();
}

void TForm_Test_Closure::EnterPhase(exercise::Phase phase) {
  phase_ = phase;
  a_spravnaOdpoved->setEnabled(phase == exercise::Phase::Answering);
}
