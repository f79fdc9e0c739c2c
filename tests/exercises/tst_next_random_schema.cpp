// "Dalsi nahodne schema" in every exercise: each new schema gives a task
// that can be checked, the score goes on across the schemas, and a change of
// the document leaves the exercise on its own schema.

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include "ExerciseTests.h"

namespace {

// Checks the answer as it stands, declining to correct it; says whether the
// check was offered.
bool Check(TestBench& t, QWidget& exercise, const QString& check) {
  t.platform.answers.push_back(MessageAnswer::No);
  if (auto* action = exercise.findChild<QAction*>(check)) {
    if (!action->isEnabled()) return false;
    action->trigger();
  } else {
    auto* button = Find<QAbstractButton>(exercise, check.toLatin1().constData());
    if (!button->isEnabled()) return false;
    button->click();
  }
  t.platform.answers.clear();
  return true;
}

// The words on the exercise's controls: enough to tell its schema by the
// names of the attributes.
QStringList Words(QWidget& exercise) {
  QString text;
  for (QWidget* w : exercise.findChildren<QWidget*>()) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) text += b->text() + QLatin1Char(' ');
    if (auto* l = qobject_cast<QLineEdit*>(w)) text += l->text() + QLatin1Char(' ');
    if (auto* m = qobject_cast<QPlainTextEdit*>(w)) text += m->toPlainText() + QLatin1Char(' ');
  }
  return text.split(QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts);
}

}  // namespace

class NextRandomSchemaTest : public QObject {
  Q_OBJECT

 private slots:
  void practiceGoesOn_data() {
    AddExerciseColumns();
    // The check's action, or its button where there is no action.
    QTest::addColumn<QString>("check");
    for (const ExerciseEntry& e : kExercises)
      QTest::addRow("%s", e.name) << e.hubAction << e.window << e.check;
  }

  void practiceGoesOn() {
    QFETCH(QString, check);
    TestBench t;
    // Names no practice schema has: it is named by letters.
    t.schema().SetAttributes(Names("ABCD"));
    t.schema().ReplaceDependencies(Deps("A->B; B->C; AB->C; C->D; A->D"));
    QWidget* exercise = OpenExercise(t);
    QVERIFY(exercise != nullptr);
    StartAnswering(*exercise);
    QVERIFY(Check(t, *exercise, check));
    const bool scored = exercise->findChild<QLabel*>(QStringLiteral("Label_Score")) != nullptr;
    const QString firstVerdict = Verdict(*exercise);
    QVERIFY(!firstVerdict.isEmpty());
    QVERIFY(!Words(*exercise).contains(QStringLiteral("E")));

    // Eight attributes, nine dependencies, 2NF.
    t.platform.randomValues = {3, 1, 1, 12345};
    Find<QPushButton>(*exercise, "Button_NextRandom")->click();
    QVERIFY(Words(*exercise).contains(QStringLiteral("H")));
    if (scored) QCOMPARE(Verdict(*exercise), firstVerdict);
    StartAnswering(*exercise);
    // The document changes while the exercise works on its own schema.
    LoadSchema(t, "AB", "A->B");
    QVERIFY(Find<QLabel>(*exercise, "Label_OutOfDate")->isHidden());
    QVERIFY(Words(*exercise).contains(QStringLiteral("H")));
    QVERIFY(Check(t, *exercise, check));
    QVERIFY(Verdict(*exercise) != firstVerdict);
    if (scored) QVERIFY(Verdict(*exercise).endsWith(QStringLiteral(" 2")));

    // Reopened, the exercise takes the document's schema again.
    OpenExercise(t);
    QVERIFY(!Words(*exercise).contains(QStringLiteral("H")));
    exercise->close();
  }
};

QTEST_MAIN(NextRandomSchemaTest)
#include "tst_next_random_schema.moc"
