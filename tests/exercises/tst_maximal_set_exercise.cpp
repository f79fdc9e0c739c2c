#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ExerciseSupport.h"

#include "ExerciseTests.h"
#include "MaximalSetExercise.h"

namespace {

struct MaxSet : AnswerColumnsView<QRadioButton> {
  void Choose(const QString& name) {
    for (QRadioButton* r : Task()) {
      if (r->text() == name) Click(r);
    }
  }
};

}  // namespace

class MaxSetExerciseTest : public QObject {
  Q_OBJECT

 private:
  MaxSet Open(TestBench& t) {
    ::Choose(t, "Maximalnimnoziny2");
    return MaxSet{{t.windows.maximalSetExercise()}};
  }

 private slots:
  void opensWithTheTaskColumn() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    MaxSet m = Open(t);
    QCOMPARE(m.w.windowTitle(), QStringLiteral("Testovaci modul  - Maximalni mnoziny"));
    QCOMPARE(Find<QLabel>(m.w, "Label1")->text(), QStringLiteral("Zvol si atribut pro max(A):"));
    QCOMPARE(Find<QLabel>(m.w, "Label2")->text(), QStringLiteral("Zadejte vase reseni:"));
    QCOMPARE(Find<QLabel>(m.w, "Label3")->text(), QStringLiteral("Spravna odpoved:"));
    QCOMPARE(Find<QLabel>(m.w, "Label4")->text(), QStringLiteral("Zavislosti:"));
    QStringList captions;
    for (const QRadioButton* r : m.Task())
      captions << r->text();
    QCOMPARE(captions, QStringList({"A", "B", "C"}));
    QVERIFY(m.Task()[2]->y() > m.Task()[1]->geometry().bottom());
    QCOMPARE(Lines(Find<QPlainTextEdit>(m.w, "Memo1")), QStringList({"A -> B"}));
    QCOMPARE(m.Frames(), QStringLiteral("V.."));
    QCOMPARE(m.Button("OK")->text(), QStringLiteral("OK"));
    QVERIFY(m.Button("OK")->isEnabled());
    QVERIFY(!m.Button("Button_Odpoved")->isVisible());
    QVERIFY(!m.Button("Button_Novy")->isVisible());
    QVERIFY(!m.Frame("Panel_reseni")->isEnabled());
  }

  void choosingAMovesToTheAnswerColumn() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    MaxSet m = Open(t);
    m.Choose("B");
    m.Choose("C");  // one attribute only: the later choice wins
    QCOMPARE(Ticks(m.Task()), QStringLiteral("001"));
    Click(m.Button("OK"));
    QCOMPARE(Captions(m.Answer()), QStringList({"A", "B", "C"}));
    QCOMPARE(m.Frames(), QStringLiteral(".V."));
    QVERIFY(m.Button("Button_Odpoved")->isVisible());
    QCOMPARE(m.Button("Button_Odpoved")->text(), QStringLiteral("&Spravne reseni"));
    QVERIFY(!m.Frame("Panel1")->isEnabled());
    QCOMPARE(m.w.focusWidget(), m.Button("Button_Odpoved"));
  }
};

QTEST_MAIN(MaxSetExerciseTest)
#include "tst_maximal_set_exercise.moc"
