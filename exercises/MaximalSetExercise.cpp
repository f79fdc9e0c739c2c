#include "MaximalSetExercise.h"

#include <QApplication>
#include <QLabel>

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
    : AttributeSetExercise(session, host, random, messages, errors, Layout(), tr("&Spravne reseni"),
                           parent) {
  setObjectName(QStringLiteral("Form_Test_MaxSet"));
  setWindowTitle(tr("Testovaci modul  - Maximalni mnoziny"));
  QWidget* canvas = ExerciseWindow::canvas();
  QLabel* task = exercise::MakeLabel(canvas, "Label1", tr("Zvol si atribut pro max(A):"));
  QLabel* answer = exercise::MakeLabel(canvas, "Label2", tr("Zadejte vase reseni:"));
  QLabel* solution = exercise::MakeLabel(canvas, "Label3", tr("Spravna odpoved:"));
  QLabel* memo = exercise::MakeLabel(canvas, "Label4", tr("Zavislosti:"));
  placeColumns(task, answer, solution, memo);
}
