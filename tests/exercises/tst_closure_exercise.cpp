#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTranslator>
#include <utility>

#include "ClosureExercise.h"
#include "ExerciseSupport.h"
#include "ExerciseTests.h"
#include "Legibility.h"

namespace {

struct Closure : AnswerColumnsView<QCheckBox> {
  // Ticks the boxes whose caption is among `names`.
  static void Tick(const std::vector<QCheckBox*>& boxes, const QStringList& names) {
    for (QCheckBox* box : boxes) {
      if (names.contains(box->text())) Click(box);
    }
  }
};

// A translation that words the heading over the task column its own way.
class HeadingTranslation final : public QTranslator {
 public:
  explicit HeadingTranslation(QString heading) : heading_(std::move(heading)) {}
  bool isEmpty() const override { return false; }
  QString translate(const char* /*context*/, const char* source, const char* /*disambiguation*/,
                    int /*n*/) const override {
    return qstrcmp(source, "Zvolte si atributy pro A  :") == 0 ? heading_ : QString();
  }

 private:
  QString heading_;
};

}  // namespace

class ClosureExerciseTest : public QObject {
  Q_OBJECT

 private:
  Closure Open(TestBench& t) {
    Choose(t, "Uzaver1");
    return Closure{{t.windows.closureExercise()}};
  }

  // Fixes A, answers, and checks; returns the window in the checked phase.
  Closure Check(TestBench& t, const QStringList& a, const QStringList& answer) {
    Closure c = Open(t);
    Closure::Tick(c.Task(), a);
    Click(c.Button("OK"));
    Closure::Tick(c.Answer(), answer);
    Click(c.Button("Button_Odpoved"));
    return c;
  }

 private slots:
  void opensWithTheTaskColumn() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B; B->C");
    Closure c = Open(t);
    QVERIFY(c.w.isVisible());
    QCOMPARE(c.w.windowTitle(), QStringLiteral("Testovaci modul - Uzaver"));
    QCOMPARE(Find<QLabel>(c.w, "Label1")->text(), QStringLiteral("Zvolte si atributy pro A  :"));
    QCOMPARE(Find<QLabel>(c.w, "Label2")->text(), QStringLiteral("+"));
    QCOMPARE(Find<QLabel>(c.w, "Label_odpoved")->text(), QStringLiteral("Zadejte vase reseni:"));
    QCOMPARE(Find<QLabel>(c.w, "Label3")->text(), QStringLiteral("Spravna odpoved:"));
    QCOMPARE(Find<QLabel>(c.w, "Label4")->text(), QStringLiteral("Zavislosti:"));
    QCOMPARE(Captions(c.Task()), QStringList({"A", "B", "C"}));
    QVERIFY(c.Task()[1]->y() > c.Task()[0]->geometry().bottom());
    QCOMPARE(c.Task()[1]->font().pointSize(), 10);
    QCOMPARE(Lines(Find<QPlainTextEdit>(c.w, "Memo1")), QStringList({"A -> B", "B -> C"}));
    QCOMPARE(c.Frames(), QStringLiteral("V.."));
    QVERIFY(c.Button("OK")->isEnabled());
    QCOMPARE(c.Button("OK")->text(), QStringLiteral("&OK"));
    QVERIFY(!c.Button("Button_Odpoved")->isVisible());
    QVERIFY(!c.Button("Button_Novy")->isVisible());
    QVERIFY(!c.Frame("Panel_reseni")->isEnabled());
    QVERIFY(t.platform.messages.empty());
  }

  void raisedPlusFollowsTheSet_data() {
    QTest::addColumn<QString>("heading");
    QTest::newRow("cs") << "Zvolte si atributy pro A  :";
    QTest::newRow("en") << "Attributes for A  :";
  }

  // The "+" that makes A into A+ stands right behind the set's A, whatever
  // other As the words before it hold.
  void raisedPlusFollowsTheSet() {
    QFETCH(QString, heading);
    HeadingTranslation translation(heading);
    QCoreApplication::installTranslator(&translation);
    TestBench t;
    LoadSchema(t, "AB", "");
    Closure c = Open(t);
    const QLabel* label = Find<QLabel>(c.w, "Label1");
    QCOMPARE(label->text(), heading);
    const QFontMetrics metrics(label->font());
    const qsizetype set = heading.lastIndexOf(QLatin1Char('A'));
    const int plus = Find<QLabel>(c.w, "Label2")->x() - label->contentsMargins().left();
    QVERIFY(plus >= metrics.horizontalAdvance(heading.left(set + 1)));
    QVERIFY(plus < metrics.horizontalAdvance(heading.left(set + 2)));
  }

  void emptySchemaOffersNothing() {
    TestBench t;
    Closure c = Open(t);
    QVERIFY(!c.Button("OK")->isEnabled());
    QVERIFY(c.Task().empty());
    QVERIFY(Lines(Find<QPlainTextEdit>(c.w, "Memo1")).isEmpty());
  }

  void nothingChosenIsRefused() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    Closure c = Open(t);
    Click(c.Button("OK"));
    ExpectOneMessage(t, "Musite zvolit alespon 1 atribut", MessageButtons::Ok);
    QVERIFY(c.Answer().empty());
    QVERIFY(c.Button("OK")->isEnabled());
    QVERIFY(c.Frame("Panel1")->isEnabled());
    QCOMPARE(c.Frames(), QStringLiteral("V.."));
  }

  void enterPressesOK() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    Closure c = Open(t);
    Click(c.Task()[1]);
    QTest::keyClick(c.Task()[1], Qt::Key_Return);
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(Captions(c.Answer()), QStringList({"A", "B", "C"}));
  }

  void fixingAMovesToTheAnswerColumn() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    Closure c = Open(t);
    Closure::Tick(c.Task(), {"B"});
    Click(c.Button("OK"));
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(Captions(c.Answer()), QStringList({"A", "B", "C"}));
    QCOMPARE(Ticks(c.Answer()), QStringLiteral("000"));
    QCOMPARE(c.Frames(), QStringLiteral(".V."));
    QVERIFY(c.Button("Button_Odpoved")->isVisible());
    QVERIFY(!c.Button("OK")->isEnabled());
    QVERIFY(!c.Frame("Panel1")->isEnabled());
    QCOMPARE(c.w.focusWidget(), c.Button("Button_Odpoved"));
  }

  void answersAreCheckedAgainstTheClosure_data() {
    QTest::addColumn<QString>("deps");
    QTest::addColumn<QStringList>("a");
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<QString>("solution");
    QTest::addColumn<QString>("red");
    QTest::addColumn<QString>("message");
    const QString right = QStringLiteral("Gratuluji! Vase odpoved je spravna");
    const QString wrong = QStringLiteral("Ve vasi odpovedi byly chyby.");
    QTest::newRow("right") << "A->B; B->C" << QStringList{"A"} << QStringList{"A", "B", "C"}
                           << "1110"
                           << "...." << right;
    // A belongs to A+: leaving it unticked is an error.
    QTest::newRow("A left out") << "A->B; B->C" << QStringList{"A"} << QStringList{"B", "C"}
                                << "1110"
                                << "R..." << wrong;
  }

  void answersAreCheckedAgainstTheClosure() {
    QFETCH(QString, deps);
    QFETCH(QStringList, a);
    QFETCH(QStringList, answer);
    QFETCH(QString, solution);
    QFETCH(QString, red);
    QFETCH(QString, message);
    TestBench t;
    LoadSchema(t, "ABCD", deps.toStdString());
    Closure c = Check(t, a, answer);
    ExpectOneMessage(t, message, MessageButtons::Ok);
    QCOMPARE(Captions(c.Solution()), QStringList({"A", "B", "C", "D"}));
    QCOMPARE(Ticks(c.Solution()), solution);
    QCOMPARE(RedMarks(c.Solution()), red);
    QCOMPARE(RedMarks(c.Answer()), QStringLiteral("...."));
    QCOMPARE(c.Frames(), QStringLiteral("..V"));
    QVERIFY(!c.Button("Button_Odpoved")->isEnabled());
    QVERIFY(!c.Frame("Panel_odpoved")->isEnabled());
    QVERIFY(c.Button("Button_Novy")->isVisible());
    QCOMPARE(c.Button("Button_Novy")->text(), QStringLiteral("&Nove zadani"));
  }

  void newTaskRebuildsTheColumns() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    Closure c = Check(t, {"A"}, {"A"});
    t.platform.messages.clear();
    Click(c.Button("Button_Novy"));
    QCOMPARE(Captions(c.Task()), QStringList({"A", "B", "C"}));
    QCOMPARE(Ticks(c.Task()), QStringLiteral("000"));
    QVERIFY(c.Answer().empty());
    QVERIFY(c.Solution().empty());
    QCOMPARE(c.Frames(), QStringLiteral("V.."));
    QVERIFY(c.Button("OK")->isEnabled());
    QVERIFY(c.Frame("Panel1")->isEnabled());
    QVERIFY(c.Frame("Panel_odpoved")->isEnabled());
    QVERIFY(!c.Button("Button_Novy")->isVisible());
    QVERIFY(!c.Button("Button_Odpoved")->isVisible());
    QCOMPARE(Lines(Find<QPlainTextEdit>(c.w, "Memo1")), QStringList({"A -> B"}));

    // The second round is checked like the first.
    Closure::Tick(c.Task(), {"B"});
    Click(c.Button("OK"));
    Closure::Tick(c.Answer(), {"B"});
    Click(c.Button("Button_Odpoved"));
    ExpectOneMessage(t, "Gratuluji! Vase odpoved je spravna", MessageButtons::Ok);
    QCOMPARE(Ticks(c.Solution()), QStringLiteral("010"));
  }

  void growsWithItsAttributes_data() {
    QTest::addColumn<QString>("letters");
    QTest::newRow("8") << "ABCDEFGH";
    QTest::newRow("9") << "ABCDEFGHI";
    QTest::newRow("20") << "ABCDEFGHIJKLMNOPQRST";
  }

  void growsWithItsAttributes() {
    QFETCH(QString, letters);
    TestBench t;
    LoadSchema(t, letters.toStdString(), "");
    Closure c = Open(t);
    // The columns settle once the layouts have handled the new controls.
    QTRY_VERIFY(c.Task().back()->geometry().bottom() < c.Frame("Panel1")->height());
    // However many attributes, the column's command is in view, and so is
    // the answer's once the task is fixed.
    QVERIFY(InView(*c.Button("OK")));
    const QList<int> grown = c.Heights();
    // The window stops growing where it would leave a small screen; its
    // client area scrolls instead.
    QVERIFY(grown[0] >= 390 && grown[0] <= exercise::TallestWindow);
    // The columns grow alike, each frame around its column.
    QCOMPARE(grown[2], grown[1]);
    QCOMPARE(grown[3], grown[1]);
    QVERIFY(grown[4] > grown[1]);
    // Every box lies inside its column.
    QVERIFY(c.Task().back()->geometry().bottom() < grown[1]);

    // A new task on the same schema keeps the layout reached.
    Closure::Tick(c.Task(), {"A"});
    Click(c.Button("OK"));
    QTRY_VERIFY(InView(*c.Button("Button_Odpoved")));
    Click(c.Button("Button_Odpoved"));
    t.platform.messages.clear();
    Click(c.Button("Button_Novy"));
    QTRY_COMPARE(c.Heights(), grown);

    // Closing restores the window's opening height.
    c.w.close();
    QCOMPARE(c.w.height(), 390);
  }

  void dependenciesNeedNoSidewaysScrolling_data() {
    QTest::addColumn<QString>("schema");
    QTest::addColumn<bool>("wraps");
    QTest::newRow("lines within the screen") << "objednavky.dbc" << false;
    QTest::newRow("lines wider than the screen") << "velke_schema.dbc" << true;
  }

  // Every dependency is read without scrolling sideways: whole where the
  // screen has room for its line, wrapped on a shade of its own otherwise.
  void dependenciesNeedNoSidewaysScrolling() {
    QFETCH(QString, schema);
    QFETCH(bool, wraps);
    TestBench t;
    t.main().show();
    t.platform.paths.push_back(QStringLiteral(SCHEMARIO_SAMPLES "/") + schema);
    Choose(t, "a_open_file");
    Closure c = Open(t);
    QVERIFY(QTest::qWaitForWindowExposed(&c.w));
    auto* memo = Find<QPlainTextEdit>(c.w, "Memo1");
    QTRY_COMPARE(memo->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(memo->lineWrapMode() != QPlainTextEdit::NoWrap, wraps);
    QVERIFY(c.w.width() <= SmallScreen.width());
    int shaded = 0;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
      shaded += b.blockFormat().hasProperty(QTextFormat::BackgroundBrush) ? 1 : 0;
    QCOMPARE(shaded, wraps ? memo->document()->blockCount() / 2 : 0);
  }

  void closingClearsAndReopeningReadsTheSchemaAgain() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    Closure c = Check(t, {"A"}, {"A", "B"});
    t.platform.messages.clear();
    QVERIFY(c.w.close());
    QVERIFY(!c.w.isVisible());
    QVERIFY(c.Task().empty());
    QVERIFY(c.Answer().empty());
    QVERIFY(c.Solution().empty());
    QVERIFY(Lines(Find<QPlainTextEdit>(c.w, "Memo1")).isEmpty());

    LoadSchema(t, "AB", "B->A");
    Open(t);
    QCOMPARE(Captions(c.Task()), QStringList({"A", "B"}));
    QCOMPARE(Lines(Find<QPlainTextEdit>(c.w, "Memo1")), QStringList({"B -> A"}));
    QCOMPARE(c.Frames(), QStringLiteral("V.."));
    QVERIFY(c.Button("OK")->isEnabled());
  }

  void openingAgainWhileOpenStartsAfresh() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B");
    Closure c = Check(t, {"A"}, {"A", "B"});
    t.platform.messages.clear();
    Choose(t, "Uzaver1");
    QCOMPARE(Captions(c.Task()), QStringList({"A", "B", "C"}));
    QVERIFY(c.Answer().empty());
    QVERIFY(c.Solution().empty());
    QCOMPARE(Lines(Find<QPlainTextEdit>(c.w, "Memo1")), QStringList({"A -> B"}));
    QVERIFY(c.Button("OK")->isEnabled());
    QVERIFY(!c.Button("Button_Novy")->isVisible());
  }

  void boxesStandForTheAttributesTheyName() {
    // Names in slots 0, 2 and 3 with slot 1 empty.
    TestBench t;
    AttributeTable names;
    names[0] = "A";
    names[2] = "C";
    names[3] = "D";
    t.schema().SetAttributes(names);
    t.schema().ReplaceDependencies(Deps("C->D"));
    Closure c = Open(t);
    QCOMPARE(Captions(c.Task()), QStringList({"A", "C", "D"}));
    Closure::Tick(c.Task(), {"C"});
    Click(c.Button("OK"));
    Closure::Tick(c.Answer(), {"C", "D"});
    Click(c.Button("Button_Odpoved"));
    ExpectOneMessage(t, "Gratuluji! Vase odpoved je spravna", MessageButtons::Ok);
    QCOMPARE(Ticks(c.Solution()), QStringLiteral("011"));
  }
};

QTEST_MAIN(ClosureExerciseTest)
#include "tst_closure_exercise.moc"
