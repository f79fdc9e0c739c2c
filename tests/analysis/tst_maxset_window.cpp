#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>
#include <cmath>

#include "Display.h"
#include "GuiTestSupport.h"
#include "MaximalSetsWindow.h"
#include "SchemaText.h"

namespace {

QStringList Lines(MaximalSetsWindow& w, const char* memo) {
  return MemoLines(*Find<QPlainTextEdit>(w, memo));
}

QString Caption(MaximalSetsWindow& w, const char* label) {
  return Find<QLabel>(w, label)->text();
}

const QString kPrime =
    QStringLiteral(", na zaklade algoritmu zalozenem na maximalnich mnozinach, klicovym atributem");
const QString kBcnf =
    QStringLiteral(", na zaklade algoritmu zalozenem na maximalnich mnozinach, v BCNF");

}  // namespace

class MaxSetWindowTest : public QObject {
  Q_OBJECT

 private:
  MaximalSetsWindow& Open(TestBench& t, const std::string& names, const std::string& deps) {
    t.schema().SetAttributes(Names(names));
    t.schema().ReplaceDependencies(Deps(deps));
    Find<QAction>(t.main(), "a_maxset")->trigger();
    return t.windows.maximalSetsWindow();
  }
  void Choose(MaximalSetsWindow& w, int item) {
    Find<QComboBox>(w, "CB_MaxSetA")->setCurrentIndex(item);
  }
  void Click(MaximalSetsWindow& w, const char* button) {
    QTest::mouseClick(Find<QPushButton>(w, button), Qt::LeftButton);
  }

 private slots:
  // Families past the listing limits: each set once, and a line saying so.
  void condensedListingsSaySoAndCountTheirSets() {
    TestBench t;
    MaximalSetsWindow& w =
        Open(t, "ABCDEFGHIJKLMNOPQRST",
             "OM->G; RBJ->P; QF->B; QJR->D; KAP->T; GCB->R; MA->L; TTI->Q; GS->H; "
             "P->I; P->K; D->R; K->A; GB->O; QRO->E; Q->T; HJK->H; KNS->O; EB->P; "
             "B->J; AI->L; J->K; L->B; CD->K; QC->K; H->J; HKT->N; TBN->S; S->R; "
             "EDF->N");
    Choose(w, 19);
    Click(w, "Button2");
    const QStringList lhs = Lines(w, "Memo_lhs");
    QCOMPARE(lhs.size(), 2);
    QCOMPARE(lhs[0], QStringLiteral("Vypis je zkracen: jen mnoziny bez podmnoziny v rodine, kazda "
                                    "jednou, celkem 68079 mnozin"));
    QVERIFY(lhs[1].startsWith(QStringLiteral("{  S ;")));
    w.close();

    Open(t, "ABCDEFGHIJKLMNOPQRST",
         "EHM->R; JRKAN->A; HB->M; ORF->J; IRDGD->K; CQN->H; RPM->P; PNHBF->L; GPLDQ->M; FK->A; "
         "KQQS->N; FHF->D; DMHDT->P; GRQ->S; BAGET->J; GTSD->G; FT->F; LENI->D; JIJ->H; "
         "LHONL->S; QIH->K; RJB->O; OFF->N; EA->B; AEAH->P; LTDJ->K; QGLJ->I; FIM->J; JEL->M; "
         "RS->A");
    Click(w, "Button1");
    const QStringList max = Lines(w, "Memo_MAX1");
    QCOMPARE(max[0],
             QStringLiteral("Vypis je zkracen: kazda mnozina jednou, celkem 710352 mnozin"));
    QCOMPARE(max[1], QStringLiteral("Mnozina Max(A) = "));
    QVERIFY(max.join(QLatin1Char('\n')).contains(QStringLiteral("x)")));
  }

  void openingShowsTheInitialState() {
    TestBench t;
    MaximalSetsWindow& w = Open(t, "ABC", "A->B");
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Schemario - Maximalni mnoziny"));
    QCOMPARE(Find<QGroupBox>(w, "GroupBox1")->title(), QStringLiteral("Vypocet  max (A)"));
    QCOMPARE(Find<QGroupBox>(w, "GroupBox_MAX")->title(), QStringLiteral("Vypocet MAX (R)"));
    QCOMPARE(Caption(w, "Label4"), QStringLiteral("Zvolte atribut A:"));
    auto* choice = Find<QComboBox>(w, "CB_MaxSetA");
    QStringList items;
    for (int i = 0; i < choice->count(); ++i)
      items << choice->itemText(i);
    QCOMPARE(items, (QStringList{"", "A", "B", "C"}));
    QCOMPARE(choice->currentIndex(), 0);
    QVERIFY(!choice->isEditable());
    QCOMPARE(Caption(w, "Label_lhs"), QStringLiteral("lhs ( A)"));
    QCOMPARE(Caption(w, "Label_TR"), QStringLiteral("Tr (lhs (A))"));
    QCOMPARE(Caption(w, "Label_max"), QStringLiteral("max (A)"));
    for (const char* name : {"Label_lhs", "Label_TR", "Label_max"})
      QVERIFY(!Find<QLabel>(w, name)->isEnabled());
    for (const char* name : {"Memo_lhs", "Memo_TR", "Memo_max", "Memo_MAX1"})
      QVERIFY(!Find<QPlainTextEdit>(w, name)->isEnabled());
    QVERIFY(Find<QPushButton>(w, "Button_Prime")->isHidden());
    QVERIFY(Find<QPushButton>(w, "Button_BCNF")->isHidden());
    QCOMPARE(Find<QPushButton>(w, "Button2")->text(), QStringLiteral("Maximalni mnozina (A)"));
    QCOMPARE(Find<QPushButton>(w, "Button1")->text(), QStringLiteral("Maximalni mnoziny"));
    QCOMPARE(Find<QPushButton>(w, "Button_Prime")->text(),
             QStringLiteral("Je A klicovy atribut ?"));
    QCOMPARE(Find<QPushButton>(w, "Button_BCNF")->text(), QStringLiteral("Je schema v &BCNF ?"));
    QCOMPARE(
        Find<QAction>(w, "a_prime")->toolTip(),
        QStringLiteral("Na zaklade vypoctenych maximalnich mnozin rekne je-li A klicovy atribut"));
    QCOMPARE(Find<QAction>(w, "a_BCNF")->toolTip(),
             QStringLiteral("Na zaklade vypoctu maximalnich mnozin rekne, zda je schema v BCNF"));
    QCOMPARE(Find<QAction>(w, "a_maxsetAcomputation")->text(), QStringLiteral("Max Set A"));
    QCOMPARE(Find<QAction>(w, "a_maxsetcomputation")->text(),
             QStringLiteral("a_maxsetcomputation"));
  }

  void oneAttributeWithItsListings() {
    TestBench t;
    MaximalSetsWindow& w = Open(t, "ABC", "A->B");
    Choose(w, 2);
    Click(w, "Button2");
    QCOMPARE(Caption(w, "Label_lhs"), QStringLiteral("lhs ( B )"));
    QCOMPARE(Caption(w, "Label_TR"), QStringLiteral("TR (lhs ( B ))"));
    QCOMPARE(Caption(w, "Label_max"), QStringLiteral("max ( B )"));
    QCOMPARE(Lines(w, "Memo_lhs"), QStringList{"{  B ; A }"});
    QCOMPARE(Lines(w, "Memo_TR"), QStringList{"{  A B }"});
    QCOMPARE(Lines(w, "Memo_max"), QStringList{"{ C}"});
    for (const char* name : {"Memo_lhs", "Memo_TR", "Memo_max"})
      QVERIFY(Find<QPlainTextEdit>(w, name)->isEnabled());
    QVERIFY(Find<QLabel>(w, "Label_max")->isEnabled());
    QVERIFY(!Find<QPushButton>(w, "Button_Prime")->isHidden());
    // Whatever the window's height, each list ends below a whole line.
    for (const int height : {480, 533, 587, 650}) {
      w.resize(w.width(), height);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
      for (const char* name : {"Memo_lhs", "Memo_TR", "Memo_max"}) {
        const auto* memo = Find<QPlainTextEdit>(w, name);
        const QTextDocument& document = *memo->document();
        const qreal line =
            document.documentLayout()->blockBoundingRect(document.firstBlock()).height();
        const qreal shown = memo->viewport()->height() - document.documentMargin();
        const qreal cut = shown - line * std::floor(shown / line);
        QVERIFY2(cut < 1, name);
      }
    }

    Click(w, "Button_Prime");
    Choose(w, 1);  // a new choice without a computation does not count
    Click(w, "Button_Prime");
    QCOMPARE(t.platform.MessageTexts(),
             (std::vector<QString>{"Atribut B NENI" + kPrime, "Atribut B NENI" + kPrime}));
    QCOMPARE(t.platform.messages[0].caption, QStringLiteral("Schemario"));

    Click(w, "Button2");
    QCOMPARE(Lines(w, "Memo_lhs"), QStringList{"{  A }"});  // cleared before each computation
    Click(w, "Button_Prime");
    QCOMPARE(t.platform.MessageTexts().back(), "Atribut A JE" + kPrime);
  }

  void maxFamilyAndBcnf() {
    TestBench t;
    MaximalSetsWindow& w = Open(t, "ABC", "A->B");
    Click(w, "Button1");
    const QStringList once = {"Mnozina Max(A) = ", "   { B C }", "",
                              "Mnozina Max(B) = ", "   { C }",   "",
                              "Mnozina Max(C) = ", "   { A B }", ""};
    QCOMPARE(Lines(w, "Memo_MAX1"), once);
    QVERIFY(Find<QPlainTextEdit>(w, "Memo_MAX1")->isEnabled());
    QVERIFY(!Find<QPushButton>(w, "Button_BCNF")->isHidden());
    // A second press lists the family again below.
    Click(w, "Button1");
    QCOMPARE(Lines(w, "Memo_MAX1"), once + once);
    Click(w, "Button_BCNF");
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{"Schema NENI" + kBcnf});
  }

  void schemaWithoutDependencies() {
    TestBench t;
    MaximalSetsWindow& w = Open(t, "AB", "");
    Choose(w, 1);
    Click(w, "Button2");
    QCOMPARE(Lines(w, "Memo_lhs"), QStringList{"{  A }"});
    QCOMPARE(Lines(w, "Memo_TR"), QStringList{"{  A }"});
    QCOMPARE(Lines(w, "Memo_max"), QStringList{"{ B}"});
    Click(w, "Button_Prime");
    Click(w, "Button1");
    Click(w, "Button_BCNF");
    QCOMPARE(t.platform.MessageTexts(),
             (std::vector<QString>{"Atribut A JE" + kPrime, "Schema JE" + kBcnf}));
  }

  void blankChoiceAsksForAnAttribute() {
    TestBench t;
    MaximalSetsWindow& w = Open(t, "ABC", "A->B");
    Choose(w, 3);
    Click(w, "Button2");
    Choose(w, 0);
    Click(w, "Button2");
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{"Zvolte atribut A"});
    QCOMPARE(Lines(w, "Memo_max"), QStringList{"{ A B}"});
    QCOMPARE(Caption(w, "Label_max"), QStringLiteral("max ( C )"));
  }

  void emptySchemaDoesNothing() {
    TestBench t;
    MaximalSetsWindow& w = Open(t, "", "");
    Click(w, "Button2");
    Click(w, "Button1");
    QVERIFY(t.platform.messages.empty());
    QVERIFY(!Find<QPlainTextEdit>(w, "Memo_MAX1")->isEnabled());
    QVERIFY(Find<QPushButton>(w, "Button_BCNF")->isHidden());
    QCOMPARE(Find<QComboBox>(w, "CB_MaxSetA")->count(), 1);
  }

  void closingAndReopeningRestoresTheLabels() {
    TestBench t;
    MaximalSetsWindow& w = Open(t, "ABC", "A->B");
    Choose(w, 1);
    Click(w, "Button2");
    Click(w, "Button1");
    w.close();
    QCOMPARE(Caption(w, "Label_lhs"), QStringLiteral("lhs (A)"));
    QCOMPARE(Caption(w, "Label_TR"), QStringLiteral("TR (lhs (A))"));
    QCOMPARE(Caption(w, "Label_max"), QStringLiteral("max (A)"));
    QVERIFY(Find<QPushButton>(w, "Button_Prime")->isHidden());
    QVERIFY(Find<QPushButton>(w, "Button_BCNF")->isHidden());
    QCOMPARE(Find<QComboBox>(w, "CB_MaxSetA")->count(), 0);
    for (const char* name : {"Memo_lhs", "Memo_TR", "Memo_max", "Memo_MAX1"}) {
      QVERIFY(Lines(w, name).isEmpty());
      QVERIFY(!Find<QPlainTextEdit>(w, name)->isEnabled());
    }

    MaximalSetsWindow& again = Open(t, "AB", "A->B");
    QCOMPARE(Find<QComboBox>(again, "CB_MaxSetA")->count(), 3);
    Click(again, "Button1");
    QCOMPARE(Lines(again, "Memo_MAX1"),
             (QStringList{"Mnozina Max(A) = ", "   { B }", "", "Mnozina Max(B) = ", "   { }", ""}));
  }

  // Each set once, with how often the steps form it, and no set at all in
  // words: "{ }" is the one empty set.
  void listingsNameEachSetOnceAndNoSetInWords() {
    TestBench t;
    MaximalSetsWindow& w = Open(t, "ABCD", "D->A; A->D; AD->C");
    Click(w, "Button1");
    const QStringList once = Lines(w, "Memo_MAX1");
    QCOMPARE(once[0], QStringLiteral("Vypis je zkracen: kazda mnozina jednou, celkem 5 mnozin"));
    QCOMPARE(once.mid(7, 2), (QStringList{"Mnozina Max(C) = ", "   { B (2x) }"}));
    w.close();

    MaximalSetsWindow& none = Open(t, "AB", "->A");
    Choose(none, 1);
    Click(none, "Button2");
    QCOMPARE(Lines(none, "Memo_TR"), QStringList{"zadna mnozina"});
    QCOMPARE(Lines(none, "Memo_max"), QStringList{"zadna mnozina"});
    Click(none, "Button1");
    QCOMPARE(Lines(none, "Memo_MAX1").mid(0, 2),
             (QStringList{"Mnozina Max(A) = ", "   zadna mnozina"}));
    none.close();

    MaximalSetsWindow& empty = Open(t, "AB", "A->B; B->A");
    Choose(empty, 1);
    Click(empty, "Button2");
    QCOMPARE(Lines(empty, "Memo_max"), QStringList{"{}"});
  }
};

QTEST_MAIN(MaxSetWindowTest)
#include "tst_maxset_window.moc"
