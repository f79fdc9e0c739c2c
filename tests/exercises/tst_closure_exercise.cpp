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
    ExpectOneMessage(t, kRightAnswer, MessageButtons::Ok);
    QCOMPARE(Ticks(c.Solution()), QStringLiteral("011"));
  }
};

QTEST_MAIN(ClosureExerciseTest)
#include "tst_closure_exercise.moc"
