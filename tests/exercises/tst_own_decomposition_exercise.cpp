#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>

#include "ExerciseHub.h"
#include "ExerciseTests.h"
#include "OwnDecompositionExercise.h"

class TestOwnDecompositionTest : public QObject {
  Q_OBJECT

  static void AddPart(OwnDecompositionExercise& w, const QStringList& names) {
    for (QCheckBox* box : Find<QGroupBox>(w, "GB_atributy")->findChildren<QCheckBox*>()) {
      if (names.contains(box->text())) Click(box);
    }
    Click(Find<QPushButton>(w, "Button_Pridat"));
  }

  static QStringList Parts(OwnDecompositionExercise& w) {
    QStringList out;
    auto* list = Find<QListWidget>(w, "List_casti");
    for (int i = 0; i < list->count(); ++i)
      out << list->item(i)->text();
    return out;
  }

 private slots:
  // A lossless split that keeps every dependency, then a part replaced so
  // that the join loses information and A -> B is lost.
  void judgesTheStudentsParts() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B; B->C");
    t.windows.exerciseHub().show();
    Click(Find<QToolButton>(t.windows.exerciseHub(), "Button_VlastniDekompozice"));
    OwnDecompositionExercise& w = t.windows.ownDecompositionExercise();
    QVERIFY(w.isVisible());
    auto* result = Find<QPlainTextEdit>(w, "Memo_Vysledek");

    AddPart(w, {"A", "B"});
    AddPart(w, {"B", "C"});
    QVERIFY(!Find<QPushButton>(w, "Button_Pridat")->isEnabled());
    Click(Find<QPushButton>(w, "Button_Vyhodnotit"));
    const char* kept = "Zavislosti jsou zachovany: kazdou odvodi zavislosti platne v castech";
    QCOMPARE(Lines(result), QStringList({
                                "Pokryti: kazdy atribut patri do nektere casti",
                                "Spojeni je bezztratove: radek 1 obsahuje jen a",
                                kept,
                                "Cast 1 (A, B): klice A; BCNF",
                                "Cast 2 (B, C): klice B; BCNF",
                            }));

    Find<QListWidget>(w, "List_casti")->setCurrentRow(0);
    Click(Find<QPushButton>(w, "Button_Odebrat"));
    QCOMPARE(Parts(w), QStringList({"Cast 1: B, C"}));
    // The evaluation of the parts as they were goes with the part.
    QVERIFY(Lines(result).isEmpty());
    AddPart(w, {"C", "A"});
    QCOMPARE(Parts(w), QStringList({"Cast 1: B, C", "Cast 2: A, C"}));
    Click(Find<QPushButton>(w, "Button_Vyhodnotit"));
    const QStringList lines = Lines(result);
    QCOMPARE(lines.mid(1, 4),
             QStringList({"Spojeni je ztratove: po chase neobsahuje zadny radek tabulky jen a",
                          "    A  B  C", "  1 b1 a  a", "  2 a  b2 a"}));
    QVERIFY(
        lines.contains("Ztracene zavislosti (neodvodi je zavislosti platne v castech): A -> B"));
    QVERIFY(t.platform.messages.empty());
  }

  void aSchemaChangeIsAnnouncedUntilReopened() {
    TestBench t;
    LoadSchema(t, "AB", "A->B");
    Choose(t, "VlastniDekompozice1");
    OwnDecompositionExercise& w = t.windows.ownDecompositionExercise();
    auto* notice = Find<QLabel>(w, "Label_OutOfDate");
    QVERIFY(!notice->isVisible());
    LoadSchema(t, "ABC", "A->B");
    QVERIFY(notice->isVisible());
    Choose(t, "VlastniDekompozice1");
    QVERIFY(!notice->isVisible());
    QCOMPARE(Find<QGroupBox>(w, "GB_atributy")->findChildren<QCheckBox*>().size(), 3);
  }
};

QTEST_MAIN(TestOwnDecompositionTest)
#include "tst_own_decomposition_exercise.moc"
