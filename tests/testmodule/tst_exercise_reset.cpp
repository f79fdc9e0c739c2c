// An exercise that was reset has no task: whatever triggers its check (the
// button, the action, a shortcut) judges nothing, scores nothing and reads
// none of the controls the reset destroyed (AddressSanitizer watches).

#include <QApplication>
#include <QLabel>

#include "ExerciseTests.h"

class ExerciseResetTest : public QObject {
  Q_OBJECT

 private slots:
  void checkAfterResetJudgesNothing_data() {
    QTest::addColumn<QString>("hubAction");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("check");
    QTest::newRow("closure") << "Uzaver1"
                             << "Form_Test_Closure"
                             << "a_spravnaOdpoved";
    QTest::newRow("maximal sets") << "Maximalnimnoziny2"
                                  << "Form_Test_MaxSet"
                                  << "a_spravnaOdpoved";
    QTest::newRow("keys") << "Klice2"
                          << "Form_Test_Keys"
                          << "a_spravnaOdpoved";
    QTest::newRow("redundant attributes") << "Redundantniatributy2"
                                          << "Form_Test_RedAtr"
                                          << "a_spravnaodpoved";
    QTest::newRow("redundant dependencies") << "Redundantnizavislosti2"
                                            << "Form_Test_RedDep"
                                            << "a_spravnaodpoved";
    QTest::newRow("decomposition") << "Dekompozice1"
                                   << "Form_Test_Decomposition"
                                   << "a_spravnaodpoved";
  }

  void checkAfterResetJudgesNothing() {
    QFETCH(QString, hubAction);
    QFETCH(QString, window);
    QFETCH(QString, check);
    TestBench t;
    LoadSchema(t, "ABCD", "A->B; B->C; AB->C; C->D; A->D");
    Choose(t, hubAction.toLatin1().constData());
    QWidget* exercise = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == window) exercise = w;
    }
    QVERIFY(exercise != nullptr);
    QVERIFY(exercise->isVisible());
    const QString score = Find<QLabel>(*exercise, "Label_Score")->text();
    Find<QAction>(*exercise, "a_clear")->trigger();
    t.platform.answers.push_back(MessageAnswer::No);
    Find<QAction>(*exercise, check.toLatin1().constData())->trigger();
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{});
    QCOMPARE(Find<QLabel>(*exercise, "Label_Score")->text(), score);
  }
};

QTEST_MAIN(ExerciseResetTest)
#include "tst_exercise_reset.moc"
