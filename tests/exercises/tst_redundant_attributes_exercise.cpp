#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "Display.h"
#include "ExerciseTests.h"
#include "RedundantAttributesExercise.h"

namespace {

struct RedAtr {
  RedundantAttributesExercise& w;
  QWidget& Canvas() { return *Find<QWidget>(w, "Canvas"); }
  QWidget& Lines() { return *Find<QWidget>(w, "Panel_Rows"); }
  // The attribute buttons top down, left to right.
  std::vector<QPushButton*> AttributeButtons() {
    QList<QPushButton*> found = Lines().findChildren<QPushButton*>();
    std::vector<QPushButton*> buttons(found.begin(), found.end());
    std::sort(buttons.begin(), buttons.end(), [this](const QPushButton* a, const QPushButton* b) {
      const QPoint pa = a->mapTo(&Lines(), QPoint()), pb = b->mapTo(&Lines(), QPoint());
      return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return buttons;
  }
  // "X" for an attribute marked redundant, "." for one kept.
  QString Marks();
  QStringList DependencyLines() {
    QStringList lines;
    for (const QLabel* label : Placed<QLabel>(Lines()))
      lines << Unbreakable(label->text());
    return lines;
  }
  QPushButton* Button(const char* name) { return Find<QPushButton>(w, name); }
  QStringList Memo() { return ::Lines(Find<QPlainTextEdit>(w, "Memo1")); }
};

bool ShowsPicture(const QPushButton* button, QStyle::StandardPixmap picture) {
  return button->icon().pixmap(16).toImage() ==
         QApplication::style()->standardIcon(picture).pixmap(16).toImage();
}

QString RedAtr::Marks() {
  QString out;
  for (const QPushButton* b : AttributeButtons())
    out += ShowsPicture(b, QStyle::SP_DialogCancelButton) ? QLatin1Char('X') : QLatin1Char('.');
  return out;
}

// A -> C, B -> C and A + B -> C: both attributes of the third line are
// redundant, each judged alone.
const char* const kBothRedundant = "A->C; B->C; AB->C";

}  // namespace

class RedundantAttributesExerciseTest : public QObject {
  Q_OBJECT

 private:
  RedAtr Open(TestBench& t) {
    Choose(t, "Redundantniatributy2");
    return RedAtr{t.windows.redundantAttributesExercise()};
  }

  // Clicks the attribute buttons at the given positions.
  static void Mark(RedAtr& r, std::initializer_list<int> positions) {
    const std::vector<QPushButton*> buttons = r.AttributeButtons();
    for (int i : positions)
      Click(buttons[i]);
  }

 private slots:
  void opensWithOneLinePerDependency() {
    TestBench t;
    LoadSchema(t, "ABC", kBothRedundant);
    RedAtr r = Open(t);
    QCOMPARE(r.w.windowTitle(), QStringLiteral("Testovaci modul - Redundantni atributy"));
    QCOMPARE(Find<QLabel>(r.w, "Label1")->text(), QStringLiteral("Redundantni atributy"));
    QCOMPARE(Find<QLabel>(r.w, "Label2")->text(), QStringLiteral("(atribut oznacite kliknutim)"));
    QCOMPARE(Find<QLabel>(r.w, "Label4")->text(), QString(71, QLatin1Char('_')));
    QCOMPARE(Find<QLabel>(r.w, "Label3")->text(), QStringLiteral("Zavislosti:"));
    QCOMPARE(r.DependencyLines(),
             QStringList({"Zavislost: A -> C", "Zavislost: B -> C", "Zavislost: A + B -> C"}));
    QStringList captions;
    for (const QPushButton* b : r.AttributeButtons()) {
      captions << b->text();
      QVERIFY(ShowsPicture(b, QStyle::SP_DialogOkButton));
    }
    QCOMPARE(captions, QStringList({"A", "B", "A", "B"}));
    // Each line's buttons stand under its dependency, side by side, clear of
    // the next dependency and of the dependency list.
    // Where a control stands on the canvas.
    const auto at = [&r](const QWidget* c) {
      return QRect(c->mapTo(&r.Canvas(), QPoint()), c->size());
    };
    const std::vector<QPushButton*> b = r.AttributeButtons();
    const std::vector<QLabel*> lines = Placed<QLabel>(r.Lines());
    QCOMPARE(lines.size(), std::size_t{3});
    for (int k : {0, 1, 2})
      QVERIFY(at(b[k]).y() > at(lines[k]).bottom());
    QVERIFY(at(b[0]).bottom() < at(lines[1]).y());
    QVERIFY(at(b[1]).bottom() < at(lines[2]).y());
    QCOMPARE(at(b[3]).y(), at(b[2]).y());
    QVERIFY(at(b[3]).x() > at(b[2]).right());
    QVERIFY(at(b[3]).right() < Find<QWidget>(r.w, "Memo1")->x());
    QCOMPARE(r.Marks(), QStringLiteral("...."));
    QCOMPARE(r.Memo(), QStringList({"A -> C", "B -> C", "A + B -> C"}));
    QVERIFY(r.Button("Button1")->isEnabled());
    QCOMPARE(r.Button("Button1")->text(), QStringLiteral("&Spravna odpoved"));
    QVERIFY(!r.Button("Button_new")->isVisible());
  }

  void emptySchemaOffersNothing() {
    TestBench t;
    RedAtr r = Open(t);
    QVERIFY(!r.Button("Button1")->isEnabled());
    QVERIFY(r.AttributeButtons().empty());
    QVERIFY(r.Memo().isEmpty());
  }

  void clickingTogglesTheMark() {
    TestBench t;
    LoadSchema(t, "ABC", kBothRedundant);
    RedAtr r = Open(t);
    Mark(r, {0, 2});
    QCOMPARE(r.Marks(), QStringLiteral("X.X."));
    QCOMPARE(r.AttributeButtons()[0]->text(), QStringLiteral("A"));
    Mark(r, {0, 2});
    QCOMPARE(r.Marks(), QStringLiteral("...."));
    QVERIFY(t.platform.messages.empty());
  }

  void rightAnswerShowsTheReducedList_data() {
    QTest::addColumn<QString>("deps");
    QTest::addColumn<QList<int>>("marks");
    QTest::addColumn<QStringList>("reduced");
    QTest::newRow("both of A + B")
        << kBothRedundant << QList<int>{2, 3} << QStringList{"A -> C", "B -> C", "B -> C"};
    QTest::newRow("none redundant")
        << "A->B; B->C" << QList<int>{} << QStringList{"A -> B", "B -> C"};
    QTest::newRow("one of two") << "AB->C; A->B" << QList<int>{1}
                                << QStringList{"A -> C", "A -> B"};
  }

  void rightAnswerShowsTheReducedList() {
    QFETCH(QString, deps);
    QFETCH(QList<int>, marks);
    QFETCH(QStringList, reduced);
    TestBench t;
    LoadSchema(t, "ABC", deps.toStdString());
    const std::string before = DepsText(t.schema().dependencies());
    RedAtr r = Open(t);
    const QStringList listing = r.Memo();
    for (int i : marks)
      Mark(r, {i});
    Click(r.Button("Button1"));
    ExpectOneMessage(t, kRightAnswer, MessageButtons::Ok);
    const QStringList separator = {"-----------------", "Po redukci atributu:"};
    QCOMPARE(r.Memo(), listing + separator + reduced);
    QVERIFY(!r.Button("Button1")->isEnabled());
    QVERIFY(r.Button("Button_new")->isVisible());
    QCOMPARE(r.Button("Button_new")->text(), QStringLiteral("&Zkusit znovu"));
    // The exercise works on copies: the live schema keeps its attributes.
    QCOMPARE(DepsText(t.schema().dependencies()), before);
  }

  void wrongAnswerAsksForACorrection_data() {
    QTest::addColumn<QList<int>>("marks");
    // Only one of the two redundant attributes marked.
    QTest::newRow("one of two") << QList<int>{2};
    // An attribute that is not redundant marked.
    QTest::newRow("not redundant") << QList<int>{0, 2, 3};
  }

  void wrongAnswerAsksForACorrection() {
    QFETCH(QList<int>, marks);
    TestBench t;
    LoadSchema(t, "ABC", kBothRedundant);
    RedAtr r = Open(t);
    for (int i : marks)
      Mark(r, {i});
    const QString shown = r.Marks();

    // Yes: the marks stay and can be corrected.
    t.platform.answers.push_back(MessageAnswer::Yes);
    Click(r.Button("Button1"));
    ExpectOneMessage(t, kCorrectIt, MessageButtons::YesNo);
    QCOMPARE(r.Marks(), shown);
    QCOMPARE(r.Memo().size(), 3);
    QVERIFY(r.Button("Button1")->isEnabled());
    QVERIFY(!r.Button("Button_new")->isVisible());
    Mark(r, {2});
    QVERIFY(r.Marks() != shown);
    Mark(r, {2});

    // No: the solution is shown as if the answer had been given up.
    t.platform.answers.push_back(MessageAnswer::No);
    Click(r.Button("Button1"));
    ExpectOneMessage(t, kCorrectIt, MessageButtons::YesNo);
    QCOMPARE(r.Memo().mid(3), QStringList({"-----------------", "Po redukci atributu:", "A -> C",
                                           "B -> C", "B -> C"}));
    QVERIFY(!r.Button("Button1")->isEnabled());
    QVERIFY(r.Button("Button_new")->isVisible());
    // The marks can no longer change.
    Mark(r, {1});
    QCOMPARE(r.Marks(), shown);
  }

  void tryAgainOpensTheSameTask() {
    TestBench t;
    LoadSchema(t, "ABC", kBothRedundant);
    RedAtr r = Open(t);
    Mark(r, {0, 2, 3});
    t.platform.answers.push_back(MessageAnswer::No);
    Click(r.Button("Button1"));
    t.platform.messages.clear();
    Click(r.Button("Button_new"));
    QCOMPARE(r.Marks(), QStringLiteral("...."));
    for (const QPushButton* b : r.AttributeButtons())
      QVERIFY(ShowsPicture(b, QStyle::SP_DialogOkButton));
    QCOMPARE(r.Memo(), QStringList({"A -> C", "B -> C", "A + B -> C"}));
    QVERIFY(r.Button("Button1")->isEnabled());
    QVERIFY(!r.Button("Button_new")->isVisible());
    Mark(r, {2, 3});
    QCOMPARE(r.Marks(), QStringLiteral("..XX"));
    Click(r.Button("Button1"));
    ExpectOneMessage(t, kRightAnswer, MessageButtons::Ok);
    // The reduced copy stays reduced; showing it again lists the same.
    QCOMPARE(r.Memo().mid(5), QStringList({"A -> C", "B -> C", "B -> C"}));
  }

  void closingClearsAndReopeningReadsTheSchemaAgain() {
    TestBench t;
    LoadSchema(t, "ABC", kBothRedundant);
    RedAtr r = Open(t);
    Mark(r, {2});
    QVERIFY(r.w.close());
    QVERIFY(r.AttributeButtons().empty());
    QVERIFY(r.DependencyLines().isEmpty());
    QVERIFY(r.Memo().isEmpty());

    LoadSchema(t, "ABC", "AB->C; A->B");
    Open(t);
    QCOMPARE(r.DependencyLines(), QStringList({"Zavislost: A + B -> C", "Zavislost: A -> B"}));
    QCOMPARE(r.Marks(), QStringLiteral("..."));
  }

  // The right-hand attribute follows from nothing: every left-hand attribute
  // can go, the lone one of A -> C as well, and the explanation agrees.
  void aLoneAttributeCanGoWhenTheRightSideFollowsFromNothing() {
    TestBench t;
    LoadSchema(t, "ABC", "->C; A->C; AB->C");
    RedAtr r = Open(t);
    QCOMPARE(r.DependencyLines(),
             QStringList({"Zavislost: {} -> C", "Zavislost: A -> C", "Zavislost: A + B -> C"}));
    Mark(r, {1, 2});
    t.platform.answers.push_back(MessageAnswer::No);
    Click(r.Button("Button1"));
    ExpectOneMessage(t, kCorrectIt, MessageButtons::YesNo);
    QCOMPARE(Find<QPlainTextEdit>(r.w, "Memo_Explanation")->toPlainText(),
             QStringLiteral("A v A -> C je nadbytecne: z {} plyne C i bez nej:\n"
                            "  {} -> C pridava C"));
    QCOMPARE(r.Memo().mid(3), QStringList({"-----------------", "Po redukci atributu:", "{} -> C",
                                           "{} -> C", "{} -> C"}));
  }

  void openingAgainWhileOpenStartsAfresh() {
    TestBench t;
    LoadSchema(t, "ABC", kBothRedundant);
    RedAtr r = Open(t);
    Mark(r, {2});
    Open(t);
    QCOMPARE(r.Marks(), QStringLiteral("...."));
    QCOMPARE(r.DependencyLines().size(), 3);
    QCOMPARE(r.Memo().size(), 3);
  }

  void manyLinesCanBeScrolledTo() {
    TestBench t;
    std::string deps = "AB->C";
    for (int i = 1; i < 12; ++i)
      deps += "; AB->C";
    LoadSchema(t, "ABC", deps);
    RedAtr r = Open(t);
    const QPushButton* last = r.AttributeButtons().back();
    QVERIFY(r.w.height() <= 700);
    QTRY_VERIFY(r.Canvas().height() > last->mapTo(&r.Canvas(), QPoint(0, last->height())).y());
  }
};

QTEST_MAIN(RedundantAttributesExerciseTest)
#include "tst_redundant_attributes_exercise.moc"
