#include "MaximalSetExercise.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "AttributeColumns.h"
#include "Display.h"
#include "ExerciseSupport.h"

namespace {

ColumnsLayout Layout() {
  ColumnsLayout layout;
  layout.window = QSize(865, 450);
  layout.frameColour = QApplication::palette().color(QPalette::Highlight);
  layout.columnWidth = 164;
  layout.controlWidth = 140;
  layout.okCaption = MaximalSetExercise::tr("OK");
  layout.ok = QSize(46, 26);
  layout.answerButton = QSize(92, 26);
  layout.memo = QSize(162, 241);
  layout.newTask = QSize(92, 26);
  return layout;
}

}  // namespace

MaximalSetExercise::MaximalSetExercise(MaximalSetExerciseSession& session, SchemaHost& host,
                                       RandomSource& random, MessageService& messages,
                                       ErrorDisplay& errors, QWidget* parent)
    : ExerciseWindow(session, host, random, errors, parent), session_(session) {
  setObjectName(QStringLiteral("Form_Test_MaxSet"));
  setWindowTitle(tr("Testovaci modul  - Maximalni mnoziny"));
  const ColumnsLayout layout = Layout();
  QWidget* canvas = ExerciseWindow::canvas();
  resize(layout.window);
  feedback_ = new ExerciseFeedback(*this, *canvas);

  a_spravnaOdpoved = exercise::MakeAction(this, "a_spravnaOdpoved", tr("&Spravne reseni"),
                                          &MaximalSetExercise::checkAnswer);
  a_new =
      exercise::MakeAction(this, "a_new", tr("&Nove zadani"), &MaximalSetExercise::startNewTask);
  a_clear = exercise::MakeAction(this, "a_clear", tr("&Clear"));
  connect(a_clear, &QAction::triggered, &session_, &ExerciseSession::clear);

  Label1 = exercise::MakeLabel(canvas, "Label1", tr("Zvol si atribut pro max(A):"));
  Label2 = exercise::MakeLabel(canvas, "Label2", tr("Zadejte vase reseni:"));
  Label3 = exercise::MakeLabel(canvas, "Label3", tr("Spravna odpoved:"));
  Label4 = exercise::MakeLabel(canvas, "Label4", tr("Zavislosti:"));

  // The explanation goes or comes before the columns are rebuilt, so that
  // the window grows to the columns beside what the explanation leaves.
  connect(&session_, &ExerciseSession::phaseChanged, this, &MaximalSetExercise::showPhase);
  columns_ =
      new AttributeColumns(*this, *canvas, layout, session_, messages, a_spravnaOdpoved, a_new);
  columns_->placeHeadings(Label1, Label2, Label3, Label4);
  connect(&columns_->okButton(), &QPushButton::clicked, this, &MaximalSetExercise::fixTask);
  SetDefaultButton(&columns_->okButton());
  keepInView(columns_->commands());
  connect(&session_, &ExerciseSession::scoreChanged, feedback_, &ExerciseFeedback::ShowScore);
}

void MaximalSetExercise::restartLayout() {
  columns_->restoreHeight();
}

void MaximalSetExercise::fixTask() {
  RunStep([this] { columns_->fixTask(); });
}

void MaximalSetExercise::checkAnswer() {
  RunStep([this] { columns_->checkAnswer(); });
}

void MaximalSetExercise::startNewTask() {
  RunStep([this] { columns_->startNewTask(); });
}

void MaximalSetExercise::showPhase(ExerciseSession::Phase phase) {
  feedback_->Explain(phase == ExerciseSession::Phase::Checked ? session_.explanation()
                                                              : QStringList());
}

void MaximalSetExercise::resetWindow() {
  session_.close();
  columns_->restoreHeight();
}
