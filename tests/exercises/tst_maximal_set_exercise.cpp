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
  void Tick(const QStringList& names) {
    for (QCheckBox* box : Answer()) {
      if (names.contains(box->text())) Click(box);
    }
  }
};

const QString kRight = QStringLiteral("Gratuluji! Vase odpoved je spravna");
const QString kWrong = QStringLiteral("Ve vasi odpovedi byly chyby.");

}  // namespace

class MaxSetExerciseTest : public QObject {
  Q_OBJECT

 private:
  MaxSet Open(TestBench& t) {
    ::Choose(t, "Maximalnimnoziny2");
    return MaxSet{{t.windows.maximalSetExercise()}};
  }

  MaxSet Check(TestBench& t, const QString& a, const QStringList& answer) {
    MaxSet m = Open(t);
    m.Choose(a);
    Click(m.Button("OK"));
    m.Tick(answer);
    Click(m.Button("Button_Odpoved"));
    return m;
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

  void emptySchemaOffersNothing() {
    TestBench t;
    MaxSet m = Open(t);
    QVERIFY(!m.Button("OK")->isEnabled());
    QVERIFY(m.Task().empty());
  }

  void nothingChosenIsRefused() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    MaxSet m = Open(t);
    Click(m.Button("OK"));
    ExpectOneMessage(t, "Musite zvolit alespon 1 atribut", MessageButtons::Ok);
    QVERIFY(m.Answer().empty());
    QVERIFY(m.Button("OK")->isEnabled());
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

  void answersAreCheckedAgainstTheUnionOfMaximalSets_data() {
    QTest::addColumn<QString>("deps");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<QString>("solution");
    QTest::addColumn<QString>("red");
    QTest::addColumn<QString>("message");
    // max(D) = {C} and {B}: their union is asked for, not either one.
    QTest::newRow("union of two") << "A->D; BC->D"
                                  << "D" << QStringList{"B", "C"} << "0110"
                                  << "...." << kRight;
    QTest::newRow("one of two") << "A->D; BC->D"
                                << "D" << QStringList{"B"} << "0110"
                                << "..R." << kWrong;
  }

  void answersAreCheckedAgainstTheUnionOfMaximalSets() {
    QFETCH(QString, deps);
    QFETCH(QString, a);
    QFETCH(QStringList, answer);
    QFETCH(QString, solution);
    QFETCH(QString, red);
    QFETCH(QString, message);
    TestBench t;
    LoadSchema(t, "ABCD", deps.toStdString());
    MaxSet m = Check(t, a, answer);
    ExpectOneMessage(t, message, MessageButtons::Ok);
    QCOMPARE(Captions(m.Solution()), QStringList({"A", "B", "C", "D"}));
    QCOMPARE(Ticks(m.Solution()), solution);
    QCOMPARE(RedMarks(m.Solution()), red);
    QCOMPARE(m.Frames(), QStringLiteral("..V"));
    QVERIFY(m.Button("Button_Novy")->isVisible());
    QVERIFY(m.Button("Button_Novy")->isEnabled());
    QCOMPARE(m.Button("Button_Novy")->text(), QStringLiteral("&Nove zadani"));
    QVERIFY(!m.Button("Button_Odpoved")->isEnabled());
    QVERIFY(!m.Frame("Panel_odpoved")->isEnabled());
  }

  void newTaskRebuildsTheColumns() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    MaxSet m = Check(t, "B", {"C"});
    t.platform.messages.clear();
    Click(m.Button("Button_Novy"));
    QCOMPARE(m.Task().size(), std::size_t{3});
    QCOMPARE(Ticks(m.Task()), QStringLiteral("000"));
    QVERIFY(m.Answer().empty());
    QVERIFY(m.Solution().empty());
    QCOMPARE(m.Frames(), QStringLiteral("V.."));
    QVERIFY(m.Button("OK")->isEnabled());
    QVERIFY(!m.Button("Button_Novy")->isVisible());
    QCOMPARE(Lines(Find<QPlainTextEdit>(m.w, "Memo1")), QStringList({"A -> B"}));
    m.Choose("A");
    Click(m.Button("OK"));
    m.Tick({"C"});
    Click(m.Button("Button_Odpoved"));
    // max(A) = {B, C}: B is missing.
    ExpectOneMessage(t, kWrong, MessageButtons::Ok);
    QCOMPARE(RedMarks(m.Solution()), QStringLiteral(".R."));
  }

  void growsWithItsAttributesOnceOnly_data() {
    QTest::addColumn<QString>("letters");
    QTest::newRow("8") << "ABCDEFGH";
    QTest::newRow("9") << "ABCDEFGHI";
    QTest::newRow("20") << "ABCDEFGHIJKLMNOPQRST";
  }

  void growsWithItsAttributesOnceOnly() {
    QFETCH(QString, letters);
    TestBench t;
    LoadSchema(t, letters.toStdString(), "");
    MaxSet m = Open(t);
    // The columns settle once the layouts have handled the new controls.
    QTRY_VERIFY(m.Task().back()->geometry().bottom() < m.Frame("Panel1")->height());
    // However many attributes, the column's command is in view, and so is
    // the answer's once the task is fixed.
    QVERIFY(InView(*m.Button("OK")));
    // The window's width first, then its heights.
    const auto geometry = [&m] { return QList<int>{m.w.width()} + m.Heights(); };
    const QList<int> grown = geometry();
    // The window stops growing where it would leave a small screen.
    QVERIFY(grown[1] >= 450 && grown[1] <= exercise::TallestWindow);
    QCOMPARE(grown[3], grown[2]);
    QCOMPARE(grown[4], grown[2]);
    QVERIFY(m.Task().back()->geometry().bottom() < grown[2]);

    // New tasks keep the layout reached at preparation.
    for (int round = 0; round < 2; ++round) {
      m.Choose("A");
      Click(m.Button("OK"));
      QTRY_VERIFY(InView(*m.Button("Button_Odpoved")));
      Click(m.Button("Button_Odpoved"));
      t.platform.messages.clear();
      Click(m.Button("Button_Novy"));
      QTRY_COMPARE(geometry(), grown);
    }

    m.w.close();
    QCOMPARE(m.w.height(), 450);
    QCOMPARE(Find<QPlainTextEdit>(m.w, "Memo1")->height(), 241);
  }

  void closingClearsAndReopeningReadsTheSchemaAgain() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    MaxSet m = Check(t, "A", {"B"});
    t.platform.messages.clear();
    QVERIFY(m.w.close());
    QVERIFY(m.Task().empty());
    QVERIFY(m.Answer().empty());
    QVERIFY(m.Solution().empty());
    QVERIFY(Lines(Find<QPlainTextEdit>(m.w, "Memo1")).isEmpty());

    LoadSchema(t, "AB", "B->A");
    Open(t);
    QCOMPARE(m.Task().size(), std::size_t{2});
    QCOMPARE(Lines(Find<QPlainTextEdit>(m.w, "Memo1")), QStringList({"B -> A"}));
    QCOMPARE(m.Frames(), QStringLiteral("V.."));
    QVERIFY(m.Button("OK")->isEnabled());
    QVERIFY(!m.Button("Button_Odpoved")->isVisible());
  }

  void openingAgainWhileOpenStartsAfresh() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    MaxSet m = Check(t, "A", {"B"});
    t.platform.messages.clear();
    Open(t);
    QCOMPARE(m.Task().size(), std::size_t{3});
    QVERIFY(m.Answer().empty());
    QVERIFY(m.Solution().empty());
    QCOMPARE(Lines(Find<QPlainTextEdit>(m.w, "Memo1")).size(), 1);
    QCOMPARE(m.Frames(), QStringLiteral("V.."));
  }
};

QTEST_MAIN(MaxSetExerciseTest)
#include "tst_maximal_set_exercise.moc"
