#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ExerciseTests.h"
#include "KeysExercise.h"

namespace {

// Keys {A, C}, {C, D}, {A, B}, {B, D}, found in this order.
const char* const kFourKeys = "AC->D; D->A; C->B; AB->C";

struct Keys {
  KeysExercise& w;
  std::vector<QCheckBox*> Boxes(const char* prefix) {
    std::vector<QCheckBox*> boxes;
    for (int c = 1; c <= 3; ++c)
      boxes.push_back(Find<QCheckBox>(w, QStringLiteral("%1%2").arg(prefix).arg(c).toLatin1()));
    return boxes;
  }
  std::vector<QCheckBox*> Task() { return Boxes("ChB_zadani"); }
  std::vector<QCheckBox*> Solution() { return Boxes("ChB_odpoved"); }
  QPushButton* Button(const char* name) { return Find<QPushButton>(w, name); }
};

}  // namespace

class KeysExerciseTest : public QObject {
  Q_OBJECT

 private:
  // Opens the exercise with the draws given: position, key number, then the
  // bits of the two random candidates (and forced attributes).
  Keys Open(TestBench& t, std::initializer_list<int> draws) {
    t.platform.randomValues.assign(draws);
    Choose(t, "Klice2");
    return Keys{t.windows.keysExercise()};
  }

  static void TickCandidates(Keys& k, const QString& ticks) {
    for (int c = 0; c < 3; ++c) {
      if (ticks[c] == QLatin1Char('1')) Click(k.Task()[c]);
    }
  }

  // Opens the exercise on the schema of four keys with the candidates C D,
  // A B and A B C, ticks them as given and has the answer checked.
  Keys CheckFourKeys(TestBench& t, const QString& ticks) {
    LoadSchema(t, "ABCD", kFourKeys);
    Keys k = Open(t, {1, 2, 0, 0, 1, 1, 1, 1, 1, 0});
    TickCandidates(k, ticks);
    Click(k.Button("Button_OK"));
    return k;
  }

 private slots:
  void opensWithThreeCandidates() {
    TestBench t;
    LoadSchema(t, "ABCD", kFourKeys);
    // Position 1 shows key 2 ({A, B}); candidate 0 draws C D (a key),
    // candidate 2 draws A B C (a superset of a key).
    Keys k = Open(t, {1, 2, 0, 0, 1, 1, 1, 1, 1, 0});
    QCOMPARE(k.w.windowTitle(), QStringLiteral("Testovaci modul - Klice"));
    QCOMPARE(Find<QLabel>(k.w, "Label2")->text(), QStringLiteral("Klicem schematu je:"));
    QCOMPARE(Find<QLabel>(k.w, "Label3")->text(),
             QStringLiteral(
                 "(zaskrtnete spravnou odpoved - zvolte alespon jednu z nabizenych variant)"));
    QCOMPARE(Find<QLabel>(k.w, "Label1")->text(), QStringLiteral("Zavislosti:"));
    QCOMPARE(Lines(Find<QPlainTextEdit>(k.w, "Memo_Dep")),
             QStringList({"A + C -> D", "D -> A", "C -> B", "A + B -> C"}));
    QCOMPARE(Captions(k.Task()), QStringList({"C D ", "A B ", "A B C "}));
    QCOMPARE(Captions(k.Solution()), Captions(k.Task()));
    QCOMPARE(Shown(k.Task()), QStringLiteral("VVV"));
    QCOMPARE(Shown(k.Solution()), QStringLiteral("..."));
    QCOMPARE(t.platform.randomRanges, (std::vector<int>{3, 4, 2, 2, 2, 2, 2, 2, 2, 2}));
    QVERIFY(k.Button("Button_OK")->isEnabled());
    QCOMPARE(k.Button("Button_OK")->text(), QStringLiteral("&Spravna odpoved"));
    QVERIFY(!k.Button("Button_new")->isVisible());
    QVERIFY(!Find<QFrame>(k.w, "Panel_reseni")->isEnabled());
    QVERIFY(t.platform.messages.empty());
  }

  // A candidate of many long names is shown whole over several lines, and a
  // click on any of them ticks it.
  void aLongCandidateWrapsAndTicksFromItsLastLine() {
    TestBench t;
    t.main().show();
    t.platform.paths.push_back(QStringLiteral(SCHEMARIO_SAMPLES "/velke_schema.dbc"));
    Choose(t, "a_open_file");
    Keys k = Open(t, {});
    for (int n = 0; n < 400; ++n)
      t.platform.randomValues.push_back(n % 5 == 4 ? 0 : 1);
    k.w.startNewTask();
    QVERIFY(QTest::qWaitForWindowExposed(&k.w));
    QCheckBox* longest = k.Task()[0];
    for (QCheckBox* box : k.Task()) {
      if (box->text().size() > longest->text().size()) longest = box;
    }
    QVERIFY(!longest->text().contains(QChar(0x2026)));
    QVERIFY(longest->height() >= 2 * longest->fontMetrics().height());
    QTest::mouseClick(longest, Qt::LeftButton, {},
                      QPoint(longest->width() / 2, longest->height() - 3));
    QVERIFY(longest->isChecked());
  }

  void emptySchemaOffersNothing() {
    TestBench t;
    Keys k = Open(t, {});
    QVERIFY(!k.Button("Button_OK")->isEnabled());
    QCOMPARE(Shown(k.Task()), QStringLiteral("..."));
    QVERIFY(t.platform.randomRanges.empty());
    QVERIFY(Lines(Find<QPlainTextEdit>(k.w, "Memo_Dep")).isEmpty());
  }

  void answersAreCheckedCandidateByCandidate_data() {
    QTest::addColumn<QString>("ticks");
    QTest::addColumn<QString>("red");
    QTest::addColumn<QString>("message");
    const QString right = QStringLiteral("Gratuluji! Odpoved jste spravne.");
    const QString wrong = QStringLiteral("Bohuzel vase odpoved neni spravna.");
    // The random candidate equal to a key needs its tick too.
    QTest::newRow("both keys") << "110"
                               << "..." << right;
    QTest::newRow("only the drawn key") << "010"
                                        << "R.." << wrong;
  }

  void answersAreCheckedCandidateByCandidate() {
    QFETCH(QString, ticks);
    QFETCH(QString, red);
    QFETCH(QString, message);
    TestBench t;
    Keys k = CheckFourKeys(t, ticks);
    ExpectOneMessage(t, message, MessageButtons::Ok);
    QCOMPARE(Ticks(k.Solution()), QStringLiteral("110"));
    QCOMPARE(RedMarks(k.Solution()), red);
    QCOMPARE(RedMarks(k.Task()), QStringLiteral("..."));
    QCOMPARE(Shown(k.Solution()), QStringLiteral("VVV"));
    QVERIFY(!Find<QFrame>(k.w, "Panel_zadani")->isEnabled());
    QVERIFY(!k.Button("Button_OK")->isEnabled());
    QVERIFY(k.Button("Button_new")->isVisible());
    QCOMPARE(k.Button("Button_new")->text(), QStringLiteral("&Nove zadani"));
  }

  void aCandidateEqualToTheKeyIsDrawnAgain() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B; B->C");
    // Single key {A} at position 0; both random candidates draw 0, 0, 0 and
    // then the forced attribute: C for the first, A (the key again) for the
    // second, which then draws B.
    Keys k = Open(t, {0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 1, 0});
    QCOMPARE(Captions(k.Task()), QStringList({"A ", "C ", "B "}));
    QCOMPARE(t.platform.randomRanges, (std::vector<int>{3, 1, 2, 2, 2, 3, 2, 2, 2, 3, 2, 2, 2}));
    TickCandidates(k, "100");
    Click(k.Button("Button_OK"));
    ExpectOneMessage(t, "Gratuluji! Odpoved jste spravne.", MessageButtons::Ok);
    QCOMPARE(Ticks(k.Solution()), QStringLiteral("100"));
  }

  // Both attributes constant: the key is the empty set, in words.
  void theEmptyKeyIsACandidateInWords() {
    TestBench t;
    LoadSchema(t, "AB", "->A; ->B");
    Keys k = Open(t, {0, 0, 1, 0, 0, 1});
    QCOMPARE(Captions(k.Task()), QStringList({"prazdna mnozina", "A ", "B "}));
  }

  void newTaskDrawsNewCandidatesOnTheSameKeys() {
    TestBench t;
    Keys k = CheckFourKeys(t, "010");
    t.platform.messages.clear();
    t.platform.randomRanges.clear();
    t.platform.randomValues = {2, 3, 1, 0, 0, 0, 0, 1, 0, 0};
    Click(k.Button("Button_new"));
    QCOMPARE(t.platform.randomRanges, (std::vector<int>{3, 4, 2, 2, 2, 2, 2, 2, 2, 2}));
    QCOMPARE(Captions(k.Task()), QStringList({"A ", "B ", "B D "}));
    QCOMPARE(Ticks(k.Task()), QStringLiteral("000"));
    QCOMPARE(Ticks(k.Solution()), QStringLiteral("000"));
    QCOMPARE(RedMarks(k.Solution()), QStringLiteral("..."));
    QCOMPARE(Shown(k.Solution()), QStringLiteral("..."));
    QVERIFY(k.Button("Button_OK")->isEnabled());
    QVERIFY(Find<QFrame>(k.w, "Panel_zadani")->isEnabled());
    QVERIFY(!k.Button("Button_new")->isVisible());

    TickCandidates(k, "001");
    Click(k.Button("Button_OK"));
    ExpectOneMessage(t, "Gratuluji! Odpoved jste spravne.", MessageButtons::Ok);
  }

  void closingClearsAndReopeningFindsTheKeysAgain() {
    TestBench t;
    Keys k = CheckFourKeys(t, "110");
    t.platform.messages.clear();
    QVERIFY(k.w.close());
    QVERIFY(Lines(Find<QPlainTextEdit>(k.w, "Memo_Dep")).isEmpty());
    QCOMPARE(Ticks(k.Task()), QStringLiteral("000"));

    LoadSchema(t, "AB", "B->A");
    t.platform.randomRanges.clear();
    Open(t, {2, 0, 0, 0, 0, 1, 1});
    QCOMPARE(t.platform.randomRanges, (std::vector<int>{3, 1, 2, 2, 2, 2, 2}));
    QCOMPARE(Captions(k.Task()), QStringList({"A ", "A B ", "B "}));
    QCOMPARE(Shown(k.Solution()), QStringLiteral("..."));
    QVERIFY(k.Button("Button_OK")->isEnabled());
    QCOMPARE(Lines(Find<QPlainTextEdit>(k.w, "Memo_Dep")), QStringList({"B -> A"}));
  }

  void openingAgainWhileOpenStartsAfresh() {
    TestBench t;
    LoadSchema(t, "ABCD", kFourKeys);
    Keys k = Open(t, {1, 2, 0, 0, 1, 1, 1, 1, 1, 0});
    Click(k.Button("Button_OK"));
    t.platform.messages.clear();
    Open(t, {0, 0, 1, 1, 1, 1, 0, 1, 1, 1});
    QCOMPARE(Captions(k.Task()), QStringList({"A C ", "A B C D ", "B C D "}));
    QCOMPARE(Lines(Find<QPlainTextEdit>(k.w, "Memo_Dep")).size(), 4);
    QCOMPARE(Shown(k.Solution()), QStringLiteral("..."));
    QCOMPARE(RedMarks(k.Solution()), QStringLiteral("..."));
    QVERIFY(k.Button("Button_OK")->isEnabled());
  }
};

QTEST_MAIN(KeysExerciseTest)
#include "tst_keys_exercise.moc"
