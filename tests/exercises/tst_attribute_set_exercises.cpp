#include <QAbstractButton>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ExerciseSupport.h"
#include "ExerciseTests.h"

// What the closure and the maximal set exercise do alike: both are the
// three columns over one kind of session, one picking a set A, the other
// one attribute.

namespace {

struct Columns : AnswerColumnsView<QAbstractButton> {
  // Picks A: clicks the task controls captioned by `names`.
  void Pick(const QStringList& names) const { Click(Task(), names); }
  void Tick(const QStringList& names) const { Click(Answer(), names); }
  QStringList Memo() const { return Lines(Find<QPlainTextEdit>(w, "Memo1")); }

  template <typename Control>
  static void Click(const std::vector<Control*>& controls, const QStringList& names) {
    for (Control* c : controls) {
      if (names.contains(c->text())) ::Click(c);
    }
  }
};

QStringList TaskCaptions(const Columns& c) {
  QStringList out;
  for (const QAbstractButton* control : c.Task())
    out << control->text();
  return out;
}

QTestData& ClosureRow(const char* name) {
  return QTest::newRow(name) << QStringLiteral("Uzaver1") << QStringLiteral("Form_Test_Closure");
}

QTestData& MaximalSetRow(const char* name) {
  return QTest::newRow(name) << QStringLiteral("Maximalnimnoziny2")
                             << QStringLiteral("Form_Test_MaxSet");
}

// What the student picks as A and ticks, and what the check shows: the
// solution's ticks, its red marks and the verdict.
void AnswerColumns() {
  QTest::addColumn<QStringList>("a");
  QTest::addColumn<QStringList>("answer");
  QTest::addColumn<QString>("solution");
  QTest::addColumn<QString>("red");
  QTest::addColumn<QString>("message");
}

// One row per exercise.
void AddExercises() {
  AddExerciseColumns();
  ClosureRow("closure");
  MaximalSetRow("maximal sets");
}

}  // namespace

class AttributeSetExercisesTest : public QObject {
  Q_OBJECT

 private:
  // Opens the exercise of the current data row.
  static Columns Open(TestBench& t) {
    QWidget* window = OpenExercise(t);
    if (window == nullptr) qFatal("The exercise of %s has no window", QTest::currentDataTag());
    return Columns{{*window}};
  }

  // Fixes A, answers, and checks; the window is left in the checked phase
  // with the verdict's message forgotten.
  static Columns Check(TestBench& t, const QStringList& a, const QStringList& answer) {
    Columns c = Open(t);
    c.Pick(a);
    Click(c.Button("OK"));
    c.Tick(answer);
    Click(c.Button("Button_Odpoved"));
    t.platform.messages.clear();
    return c;
  }

  // Picks the row's A, ticks its answer and checks it: the row's verdict,
  // solution and red marks show.
  static void AnswerFromRow(TestBench& t, const Columns& c) {
    QFETCH(QStringList, a);
    QFETCH(QStringList, answer);
    QFETCH(QString, solution);
    QFETCH(QString, red);
    QFETCH(QString, message);
    c.Pick(a);
    Click(c.Button("OK"));
    c.Tick(answer);
    Click(c.Button("Button_Odpoved"));
    ExpectOneMessage(t, message, MessageButtons::Ok);
    QCOMPARE(Ticks(c.Solution()), solution);
    QCOMPARE(RedMarks(c.Solution()), red);
  }

 private slots:
  void emptySchemaOffersNothing_data() { AddExercises(); }
  void emptySchemaOffersNothing() {
    TestBench t;
    const Columns c = Open(t);
    QVERIFY(!c.Button("OK")->isEnabled());
    QVERIFY(c.Task().empty());
    QVERIFY(c.Memo().isEmpty());
  }

  void nothingPickedIsRefused_data() { AddExercises(); }
  void nothingPickedIsRefused() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    const Columns c = Open(t);
    Click(c.Button("OK"));
    ExpectOneMessage(t, "Musite zvolit alespon 1 atribut", MessageButtons::Ok);
    QVERIFY(c.Answer().empty());
    QVERIFY(c.Button("OK")->isEnabled());
    QVERIFY(c.Frame("Panel1")->isEnabled());
    QCOMPARE(c.Frames(), QStringLiteral("V.."));
  }

  void answersAreCheckedAgainstTheResult_data() {
    AddExerciseColumns();
    QTest::addColumn<QString>("deps");
    AnswerColumns();
    ClosureRow("closure right") << "A->B; B->C" << QStringList{"A"} << QStringList{"A", "B", "C"}
                                << "1110"
                                << "...." << kRightAnswer;
    // A belongs to A+: leaving it unticked is an error.
    ClosureRow("closure, A left out")
        << "A->B; B->C" << QStringList{"A"} << QStringList{"B", "C"} << "1110"
        << "R..." << kWrongAnswer;
    // max(D) = {C} and {B}: their union is asked for, not either one.
    MaximalSetRow("maximal sets, union of two")
        << "A->D; BC->D" << QStringList{"D"} << QStringList{"B", "C"} << "0110"
        << "...." << kRightAnswer;
    MaximalSetRow("maximal sets, one of two")
        << "A->D; BC->D" << QStringList{"D"} << QStringList{"B"} << "0110"
        << "..R." << kWrongAnswer;
  }
  void answersAreCheckedAgainstTheResult() {
    QFETCH(QString, deps);
    TestBench t;
    LoadSchema(t, "ABCD", deps.toStdString());
    const Columns c = Open(t);
    AnswerFromRow(t, c);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(Captions(c.Solution()), QStringList({"A", "B", "C", "D"}));
    QCOMPARE(RedMarks(c.Answer()), QStringLiteral("...."));
    QCOMPARE(c.Frames(), QStringLiteral("..V"));
    QVERIFY(!c.Button("Button_Odpoved")->isEnabled());
    QVERIFY(!c.Frame("Panel_odpoved")->isEnabled());
    QVERIFY(c.Button("Button_Novy")->isVisible());
    QVERIFY(c.Button("Button_Novy")->isEnabled());
    QCOMPARE(c.Button("Button_Novy")->text(), QStringLiteral("&Nove zadani"));
  }

  void newTaskRebuildsTheColumns_data() {
    AddExerciseColumns();
    AnswerColumns();
    // The second round is checked like the first. {B}+ = {B}; max(A) =
    // {B, C}, of which B is missing.
    ClosureRow("closure") << QStringList{"B"} << QStringList{"B"} << "010"
                          << "..." << kRightAnswer;
    MaximalSetRow("maximal sets") << QStringList{"A"} << QStringList{"C"} << "011"
                                  << ".R." << kWrongAnswer;
  }
  void newTaskRebuildsTheColumns() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    const Columns c = Check(t, {"A"}, {"A"});
    Click(c.Button("Button_Novy"));
    QCOMPARE(TaskCaptions(c), QStringList({"A", "B", "C"}));
    QCOMPARE(Ticks(c.Task()), QStringLiteral("000"));
    QVERIFY(c.Answer().empty());
    QVERIFY(c.Solution().empty());
    QCOMPARE(c.Frames(), QStringLiteral("V.."));
    QVERIFY(c.Button("OK")->isEnabled());
    QVERIFY(c.Frame("Panel1")->isEnabled());
    QVERIFY(c.Frame("Panel_odpoved")->isEnabled());
    QVERIFY(!c.Button("Button_Novy")->isVisible());
    QVERIFY(!c.Button("Button_Odpoved")->isVisible());
    QCOMPARE(c.Memo(), QStringList({"A -> B"}));

    AnswerFromRow(t, c);
  }

  void growsWithItsAttributesOnceOnly_data() {
    AddExerciseColumns();
    QTest::addColumn<QString>("letters");
    QTest::addColumn<int>("openingHeight");
    QTest::addColumn<int>("memoHeight");
    for (const char* letters : {"ABCDEFGH", "ABCDEFGHI", "ABCDEFGHIJKLMNOPQRST"}) {
      const QByteArray count = QByteArray::number(qstrlen(letters));
      ClosureRow(("closure, " + count).constData()) << QString::fromLatin1(letters) << 390 << 215;
      MaximalSetRow(("maximal sets, " + count).constData())
          << QString::fromLatin1(letters) << 450 << 241;
    }
  }
  void growsWithItsAttributesOnceOnly() {
    QFETCH(QString, letters);
    QFETCH(int, openingHeight);
    QFETCH(int, memoHeight);
    TestBench t;
    LoadSchema(t, letters.toStdString(), "");
    const Columns c = Open(t);
    // The columns settle once the layouts have handled the new controls.
    QTRY_VERIFY(c.Task().back()->geometry().bottom() < c.Frame("Panel1")->height());
    // However many attributes, the column's command is in view, and so is
    // the answer's once the task is fixed.
    QVERIFY(InView(*c.Button("OK")));
    // The window's width first, then its heights.
    const auto geometry = [&c] { return QList<int>{c.w.width()} + c.Heights(); };
    const QList<int> grown = geometry();
    // The window stops growing where it would leave a small screen; its
    // client area scrolls instead.
    QVERIFY(grown[1] >= openingHeight && grown[1] <= exercise::TallestWindow);
    // The columns grow alike, each frame around its column.
    QCOMPARE(grown[3], grown[2]);
    QCOMPARE(grown[4], grown[2]);
    QVERIFY(grown[5] > grown[2]);
    // Every control lies inside its column.
    QVERIFY(c.Task().back()->geometry().bottom() < grown[2]);

    // New tasks on the same schema keep the layout reached at preparation.
    for (int round = 0; round < 2; ++round) {
      c.Pick({"A"});
      Click(c.Button("OK"));
      QTRY_VERIFY(InView(*c.Button("Button_Odpoved")));
      Click(c.Button("Button_Odpoved"));
      t.platform.messages.clear();
      Click(c.Button("Button_Novy"));
      QTRY_COMPARE(geometry(), grown);
    }

    // Closing restores the window's opening height.
    c.w.close();
    QCOMPARE(c.w.height(), openingHeight);
    QCOMPARE(Find<QPlainTextEdit>(c.w, "Memo1")->height(), memoHeight);
  }

  void closingClearsAndReopeningReadsTheSchemaAgain_data() { AddExercises(); }
  void closingClearsAndReopeningReadsTheSchemaAgain() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    const Columns c = Check(t, {"A"}, {"B"});
    QVERIFY(c.w.close());
    QVERIFY(!c.w.isVisible());
    QVERIFY(c.Task().empty());
    QVERIFY(c.Answer().empty());
    QVERIFY(c.Solution().empty());
    QVERIFY(c.Memo().isEmpty());

    LoadSchema(t, "AB", "B->A");
    Open(t);
    QCOMPARE(TaskCaptions(c), QStringList({"A", "B"}));
    QCOMPARE(c.Memo(), QStringList({"B -> A"}));
    QCOMPARE(c.Frames(), QStringLiteral("V.."));
    QVERIFY(c.Button("OK")->isEnabled());
    QVERIFY(!c.Button("Button_Odpoved")->isVisible());
  }

  void openingAgainWhileOpenStartsAfresh_data() { AddExercises(); }
  void openingAgainWhileOpenStartsAfresh() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    const Columns c = Check(t, {"A"}, {"B"});
    Open(t);
    QCOMPARE(TaskCaptions(c), QStringList({"A", "B", "C"}));
    QVERIFY(c.Answer().empty());
    QVERIFY(c.Solution().empty());
    QCOMPARE(c.Memo(), QStringList({"A -> B"}));
    QCOMPARE(c.Frames(), QStringLiteral("V.."));
    QVERIFY(c.Button("OK")->isEnabled());
    QVERIFY(!c.Button("Button_Novy")->isVisible());
  }
};

QTEST_MAIN(AttributeSetExercisesTest)
#include "tst_attribute_set_exercises.moc"
