// An exercise that was reset, or whose schema changed in the main window
// while it was open, has no task: whatever triggers its check (the button,
// the action, a shortcut) judges nothing, scores nothing and reads none of
// the controls the reset destroyed (AddressSanitizer watches).

#include "ExerciseTests.h"

class ExerciseResetTest : public QObject {
  Q_OBJECT

 private slots:
  void checkWithoutATaskJudgesNothing_data() {
    AddExerciseColumns();
    // The check's action, or its button where there is no action.
    QTest::addColumn<QString>("check");
    // The action that resets the exercise; without one, closing does.
    QTest::addColumn<QString>("reset");
    QTest::addColumn<bool>("schemaChange");
    for (const ExerciseEntry& e : kExercises) {
      QTest::addRow("%s after a reset", e.name)
          << e.hubAction << e.window << e.check << e.reset << false;
      QTest::addRow("%s after a schema change", e.name)
          << e.hubAction << e.window << e.check << e.reset << true;
    }
  }

  void checkWithoutATaskJudgesNothing() {
    QFETCH(QString, check);
    QFETCH(QString, reset);
    QFETCH(bool, schemaChange);
    TestBench t;
    LoadSchema(t, "ABCD", "A->B; B->C; AB->C; C->D; A->D");
    QWidget* exercise = OpenExercise(t);
    QVERIFY(exercise != nullptr);
    QVERIFY(exercise->isVisible());
    StartAnswering(*exercise);
    auto* checkAction = exercise->findChild<QAction*>(check);
    auto* checkButton = exercise->findChild<QAbstractButton*>(check);
    // Without the reset the check would judge.
    QVERIFY(checkAction != nullptr ? checkAction->isEnabled() : checkButton->isEnabled());
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{});
    const QString verdict = Verdict(*exercise);
    if (schemaChange) {
      LoadSchema(t, "AB", "A->B");
    } else if (reset.isEmpty()) {
      exercise->close();
    } else {
      Find<QAction>(*exercise, reset.toLatin1().constData())->trigger();
    }
    t.platform.answers.push_back(MessageAnswer::No);
    if (checkAction != nullptr) {
      checkAction->trigger();
    } else {
      checkButton->click();
    }
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{});
    QCOMPARE(Verdict(*exercise), verdict);
  }
};

QTEST_MAIN(ExerciseResetTest)
#include "tst_exercise_reset.moc"
