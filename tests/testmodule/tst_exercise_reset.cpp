// An exercise that was reset, or whose schema changed in the main window
// while it was open, has no task: whatever triggers its check (the button,
// the action, a shortcut) judges nothing, scores nothing and reads none of
// the controls the reset destroyed (AddressSanitizer watches).

#include <QApplication>
#include <QLabel>

#include "ExerciseTests.h"

namespace {

QWidget* TopLevel(const QString& name) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == name) return w;
  }
  return nullptr;
}

// Brings an exercise that first asks for A to its answer: the first
// attribute is picked and fixed.
void PickFirstAttribute(QWidget& exercise) {
  auto* tasks = exercise.findChild<QWidget*>(QStringLiteral("Rows_Panel1"));
  if (tasks == nullptr) return;
  tasks->findChildren<QAbstractButton*>().front()->click();
  Find<QPushButton>(exercise, "OK")->click();
}

}  // namespace

class ExerciseResetTest : public QObject {
  Q_OBJECT

 private slots:
  void checkWithoutATaskJudgesNothing_data() {
    QTest::addColumn<QString>("hubAction");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("check");
    QTest::addColumn<bool>("schemaChange");
    const struct {
      const char* name;
      const char* hubAction;
      const char* window;
      const char* check;
      bool followsTheSchema;
    } exercises[] = {
        {"closure", "Uzaver1", "Form_Test_Closure", "a_spravnaOdpoved", true},
        {"maximal sets", "Maximalnimnoziny2", "Form_Test_MaxSet", "a_spravnaOdpoved", true},
        {"keys", "Klice2", "Form_Test_Keys", "a_spravnaOdpoved", true},
        {"redundant attributes", "Redundantniatributy2", "Form_Test_RedAtr", "a_spravnaodpoved",
         true},
        {"redundant dependencies", "Redundantnizavislosti2", "Form_Test_RedDep", "a_spravnaodpoved",
         true},
        {"decomposition", "Dekompozice1", "Form_Test_Decomposition", "a_spravnaodpoved", true},
    };
    for (const auto& e : exercises) {
      QTest::addRow("%s after a reset", e.name) << e.hubAction << e.window << e.check << false;
      if (e.followsTheSchema) {
        QTest::addRow("%s after a schema change", e.name)
            << e.hubAction << e.window << e.check << true;
      }
    }
  }

  void checkWithoutATaskJudgesNothing() {
    QFETCH(QString, hubAction);
    QFETCH(QString, window);
    QFETCH(QString, check);
    QFETCH(bool, schemaChange);
    TestBench t;
    LoadSchema(t, "ABCD", "A->B; B->C; AB->C; C->D; A->D");
    Choose(t, hubAction.toLatin1().constData());
    QWidget* exercise = TopLevel(window);
    QVERIFY(exercise != nullptr);
    QVERIFY(exercise->isVisible());
    PickFirstAttribute(*exercise);
    auto* checkAction = Find<QAction>(*exercise, check.toLatin1().constData());
    // Without the reset the check would judge.
    QVERIFY(checkAction->isEnabled());
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{});
    const QString score = Find<QLabel>(*exercise, "Label_Score")->text();
    if (schemaChange) {
      LoadSchema(t, "AB", "A->B");
    } else {
      Find<QAction>(*exercise, "a_clear")->trigger();
    }
    t.platform.answers.push_back(MessageAnswer::No);
    checkAction->trigger();
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{});
    QCOMPARE(Find<QLabel>(*exercise, "Label_Score")->text(), score);
  }
};

QTEST_MAIN(ExerciseResetTest)
#include "tst_exercise_reset.moc"
