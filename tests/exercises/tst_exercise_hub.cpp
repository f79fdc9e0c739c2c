#include <QFrame>
#include <QPushButton>
#include <QToolButton>

#include "ClosureExercise.h"
#include "DecompositionExercise.h"
#include "ExerciseHub.h"
#include "ExerciseTests.h"
#include "KeysExercise.h"
#include "MaximalSetExercise.h"
#include "OwnDecompositionExercise.h"
#include "RedundantAttributesExercise.h"
#include "RedundantDependenciesExercise.h"
#include "SynthesisExercise.h"

class TestHubTest : public QObject {
  Q_OBJECT

 private slots:
  void theMainWindowShowsTheHub() {
    TestBench t;
    Choose(t, "a_test");
    ExerciseHub& hub = t.windows.exerciseHub();
    QVERIFY(hub.isVisible());
    QCOMPARE(hub.windowTitle(), QStringLiteral("Schemario - Testovaci modul"));
    QCOMPARE(hub.size(), QSize(748, 405));
  }

  void pictureButtonsInTheirPlaces() {
    TestBench t;
    ExerciseHub& hub = t.windows.exerciseHub();
    hub.show();
    const struct {
      const char* button;
      const char* action;
      const char* caption;
      QRect place;
      bool visible;
    } expected[] = {
        {"Button_Uzaver", "a_closure", "&Uzaver", QRect(26, 59, 202, 111), true},
        {"Button_MaxSet", "a_maxset", "&Maximalni mnoziny", QRect(247, 59, 202, 111), true},
        {"Button_Klice", "a_keys", "&Klice", QRect(468, 65, 202, 111), true},
        {"Button_RedAtr", "a_red_atributy", "&Redundantni atributy", QRect(26, 182, 202, 111),
         true},
        {"Button_RedDep", "a_red_zavislosti", "Redundantni &zavislosti", QRect(247, 182, 202, 111),
         true},
        {"Button_Dekompozice", "a_dekompozice", "&Dekompozice", QRect(468, 182, 202, 111), true},
        {"Button_Synteza", "a_synteza", "&Synteza", QRect(247, 306, 202, 87), false},
    };
    for (const auto& e : expected) {
      auto* button = Find<QToolButton>(hub, e.button);
      QCOMPARE(button->text(), QString::fromLatin1(e.caption));
      QCOMPARE(Find<QAction>(hub, e.action)->text(), QString::fromLatin1(e.caption));
      QCOMPARE(button->geometry(), e.place);
      QCOMPARE(button->isVisible(), e.visible);
      QCOMPARE(button->font().pixelSize(), 15);
      QVERIFY(!button->icon().isNull());
    }
    QCOMPARE(Find<QAction>(hub, "a_konec")->text(), QStringLiteral("&Konec"));
  }

  void eachButtonOpensItsExercise() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    ExerciseHub& hub = t.windows.exerciseHub();
    hub.show();
    const struct {
      const char* button;
      QWidget* window;
    } buttons[] = {
        {"Button_Uzaver", &t.windows.closureExercise()},
        {"Button_MaxSet", &t.windows.maximalSetExercise()},
        {"Button_Klice", &t.windows.keysExercise()},
        {"Button_RedAtr", &t.windows.redundantAttributesExercise()},
        {"Button_RedDep", &t.windows.redundantDependenciesExercise()},
        {"Button_Dekompozice", &t.windows.decompositionExercise()},
        {"Button_VlastniDekompozice", &t.windows.ownDecompositionExercise()},
    };
    for (const auto& b : buttons) {
      QVERIFY(!b.window->isVisible());
      Click(Find<QToolButton>(hub, b.button));
      QVERIFY2(b.window->isVisible(), b.button);
      // Prepared on the schema loaded now: the dependency is listed.
      bool listed = false;
      for (const QPlainTextEdit* memo : b.window->findChildren<QPlainTextEdit*>())
        listed = listed || Unbreakable(memo->toPlainText()).contains(QStringLiteral("A -> B"));
      QVERIFY2(listed, b.button);
    }
    QVERIFY(t.platform.messages.empty());
  }

  void theSynthesisExerciseIsAnEmptyWindow() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    ExerciseHub& hub = t.windows.exerciseHub();
    Find<QAction>(hub, "a_synteza")->trigger();
    SynthesisExercise& window = t.windows.synthesisExercise();
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Testovaci modul - Synteza"));
    QCOMPARE(window.size(), QSize(619, 377));
    QVERIFY(window.findChildren<QWidget*>().isEmpty());
  }

  void konecClosesTheHub() {
    TestBench t;
    ExerciseHub& hub = t.windows.exerciseHub();
    hub.show();
    Find<QAction>(hub, "a_konec")->trigger();
    QVERIFY(!hub.isVisible());
  }

  void hubAndMenuGiveTheSameWindowInTheSameState() {
    TestBench t;
    LoadSchema(t, "ABCD", "A->B; B->C");
    ClosureExercise& closure = t.windows.closureExercise();
    const auto state = [&closure] {
      QStringList s;
      for (const QCheckBox* box : Placed<QCheckBox>(*Find<QWidget>(closure, "Rows_Panel1")))
        s << box->text();
      s << Find<QPlainTextEdit>(closure, "Memo1")->toPlainText();
      s << QString::number(closure.height());
      return s;
    };
    Find<QAction>(t.windows.exerciseHub(), "a_closure")->trigger();
    const QStringList fromHub = state();
    closure.close();
    Choose(t, "Uzaver1");
    QCOMPARE(state(), fromHub);
    QCOMPARE(fromHub.size(), 6);
  }
};

QTEST_MAIN(TestHubTest)
#include "tst_exercise_hub.moc"
