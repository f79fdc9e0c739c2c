#include "ClosureExercise.h"

#include <QLabel>
#include <QRegularExpression>

#include "ExerciseSupport.h"

namespace {

ColumnsLayout Layout() {
  ColumnsLayout layout;
  layout.window = QSize(948, 390);
  layout.frameColour = exercise::Navy;
  layout.columnWidth = 190;
  layout.controlWidth = 170;
  layout.okCaption = ClosureExercise::tr("&OK");
  layout.ok = QSize(75, 25);
  layout.answerButton = QSize(115, 25);
  layout.memo = QSize(190, 215);
  layout.newTask = QSize(100, 25);
  return layout;
}

// Where the raised plus stands in the heading: right behind the set A, the
// last "A" that is a word of its own, since a translation may hold further
// capital As inside its words ("Attributes for A").
int RaisedPlusOffset(const QString& heading, const QFontMetrics& metrics) {
  static const QRegularExpression set(QStringLiteral("\\bA\\b"));
  qsizetype end = heading.size();
  for (const QRegularExpressionMatch& match : set.globalMatch(heading))
    end = match.capturedEnd();
  return metrics.horizontalAdvance(heading.left(end));
}

}  // namespace

ClosureExercise::ClosureExercise(ClosureExerciseSession& session, SchemaHost& host,
                                 RandomSource& random, MessageService& messages,
                                 ErrorDisplay& errors, QWidget* parent)
    : AttributeSetExercise(session, host, random, messages, errors, Layout(),
                           tr("&Spravna odpoved"), parent) {
  setObjectName(QStringLiteral("Form_Test_Closure"));
  setWindowTitle(tr("Testovaci modul - Uzaver"));
  QWidget* canvas = ExerciseWindow::canvas();
  const QString heading = tr("Zvolte si atributy pro A  :");
  QLabel* task = exercise::MakeLabel(canvas, "Label1", heading, true, true);
  // The plus stands raised right behind the A, so that the caption reads A+;
  // it rides on the caption, which leaves it room above the text.
  const QFontMetrics metrics(task->font());
  task->setMinimumHeight(task->sizeHint().height() + metrics.ascent() / 2);
  task->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  QLabel* plus = exercise::MakeLabel(task, "Label2", QStringLiteral("+"), true);
  QLabel* answer =
      exercise::MakeLabel(canvas, "Label_odpoved", tr("Zadejte vase reseni:"), true, true);
  QLabel* solution = exercise::MakeLabel(canvas, "Label3", tr("Spravna odpoved:"), true, true);
  QLabel* memo = exercise::MakeLabel(canvas, "Label4", tr("Zavislosti:"), true, true);
  placeColumns(task, answer, solution, memo);
  plus->move(task->contentsMargins().left() + RaisedPlusOffset(heading, metrics), 0);
}
