#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "ExerciseTests.h"
#include "TForm_Test_RedAtr.h"

namespace {

struct RedAtr {
  TForm_Test_RedAtr& w;
  QWidget& Canvas() { return *Find<QWidget>(w, "Canvas"); }
  std::vector<QPushButton*> AttributeButtons() {
    std::vector<QPushButton*> buttons;
    for (QPushButton* b : Placed<QPushButton>(Canvas())) {
      if (b->property("tag").isValid()) buttons.push_back(b);
    }
    return buttons;
  }
  QStringList Tags() {
    QStringList tags;
    for (const QPushButton* b : AttributeButtons())
      tags << QString::number(b->property("tag").toInt());
    return tags;
  }
  QStringList DependencyLines() {
    QStringList lines;
    for (const QLabel* label : Placed<QLabel>(Canvas())) {
      if (label->text().startsWith(QStringLiteral("Zavislost: "))) lines << label->text();
    }
    return lines;
  }
  QPushButton* Button(const char* name) { return Find<QPushButton>(w, name); }
  QStringList Memo() { return Lines(Find<QPlainTextEdit>(w, "Memo1")); }
};

bool ShowsPicture(const QPushButton* button, QStyle::StandardPixmap picture) {
  return button->icon().pixmap(16).toImage() ==
         QApplication::style()->standardIcon(picture).pixmap(16).toImage();
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
    return RedAtr{t.windows.TestRedAtr()};
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
    const std::vector<QPushButton*> b = r.AttributeButtons();
    std::vector<QLabel*> lines;
    for (QLabel* label : Placed<QLabel>(r.Canvas())) {
      if (label->text().startsWith(QStringLiteral("Zavislost: "))) lines.push_back(label);
    }
    QCOMPARE(lines.size(), std::size_t{3});
    for (int k : {0, 1, 2})
      QVERIFY(b[k]->y() > lines[k]->geometry().bottom());
    QVERIFY(b[0]->geometry().bottom() < lines[1]->y());
    QVERIFY(b[1]->geometry().bottom() < lines[2]->y());
    QCOMPARE(b[3]->y(), b[2]->y());
    QVERIFY(b[3]->x() > b[2]->geometry().right());
    QVERIFY(b[3]->geometry().right() < Find<QWidget>(r.w, "Memo1")->x());
    QCOMPARE(r.Tags(), QStringList({"0", "0", "1", "1"}));
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
    QCOMPARE(r.Tags(), QStringList({"10", "0", "11", "1"}));
    QVERIFY(ShowsPicture(r.AttributeButtons()[0], QStyle::SP_DialogCancelButton));
    QVERIFY(ShowsPicture(r.AttributeButtons()[2], QStyle::SP_DialogCancelButton));
    QCOMPARE(r.AttributeButtons()[0]->text(), QStringLiteral("A"));
    Mark(r, {0, 2});
    QCOMPARE(r.Tags(), QStringList({"0", "0", "1", "1"}));
    QVERIFY(ShowsPicture(r.AttributeButtons()[0], QStyle::SP_DialogOkButton));
    QVERIFY(t.platform.messages.empty());
  }

  void aStrangeTagIsReported() {
    TestBench t;
    LoadSchema(t, "ABC", kBothRedundant);
    RedAtr r = Open(t);
    r.AttributeButtons()[1]->setProperty("tag", 5);
    Mark(r, {1});
    ExpectOneMessage(t, "Zvlastni Tag", MessageButtons::Ok);
    QCOMPARE(r.Tags(), QStringList({"0", "5", "1", "1"}));
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
    ExpectOneMessage(t, "Gratuluji! Vase odpoved je spravna", MessageButtons::Ok);
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
    const QStringList tags = r.Tags();

    // Yes: the marks stay and can be corrected.
    t.platform.answers.push_back(MessageAnswer::Yes);
    Click(r.Button("Button1"));
    ExpectOneMessage(t, "Ve vasi odpovedi jsou chyby, chcete je jeste opravit?",
                     MessageButtons::YesNo);
    QCOMPARE(r.Tags(), tags);
    QCOMPARE(r.Memo().size(), 3);
    QVERIFY(r.Button("Button1")->isEnabled());
    QVERIFY(!r.Button("Button_new")->isVisible());
    Mark(r, {2});
    QVERIFY(r.Tags() != tags);
    Mark(r, {2});

    // No: the solution is shown as if the answer had been given up.
    t.platform.answers.push_back(MessageAnswer::No);
    Click(r.Button("Button1"));
    ExpectOneMessage(t, "Ve vasi odpovedi jsou chyby, chcete je jeste opravit?",
                     MessageButtons::YesNo);
    QCOMPARE(r.Memo().mid(3), QStringList({"-----------------", "Po redukci atributu:", "A -> C",
                                           "B -> C", "B -> C"}));
    QVERIFY(!r.Button("Button1")->isEnabled());
    QVERIFY(r.Button("Button_new")->isVisible());
    // The marks can no longer change.
    Mark(r, {1});
    QCOMPARE(r.Tags(), tags);
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
    QCOMPARE(r.Tags(), QStringList({"0", "0", "1", "1"}));
    for (const QPushButton* b : r.AttributeButtons())
      QVERIFY(ShowsPicture(b, QStyle::SP_DialogOkButton));
    QCOMPARE(r.Memo(), QStringList({"A -> C", "B -> C", "A + B -> C"}));
    QVERIFY(r.Button("Button1")->isEnabled());
    QVERIFY(!r.Button("Button_new")->isVisible());
    Mark(r, {2, 3});
    QCOMPARE(r.Tags(), QStringList({"0", "0", "11", "11"}));
    Click(r.Button("Button1"));
    ExpectOneMessage(t, "Gratuluji! Vase odpoved je spravna", MessageButtons::Ok);
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
    QCOMPARE(r.Tags(), QStringList({"0", "1", "0"}));
  }

  // The right-hand attribute follows from nothing: every left-hand attribute
  // can go, the lone one of A -> C as well, and the explanation agrees.
  void aLoneAttributeCanGoWhenTheRightSideFollowsFromNothing() {
    TestBench t;
    LoadSchema(t, "ABC", "->C; A->C; AB->C");
    RedAtr r = Open(t);
    QCOMPARE(r.DependencyLines(),
             QStringList({"Zavislost: {} -> C", "Zavislost: A -> C", "Zavislost: A + B -> C"}));
    QCOMPARE(r.Tags(), QStringList({"1", "1", "1"}));
    Mark(r, {1, 2});
    t.platform.answers.push_back(MessageAnswer::No);
    Click(r.Button("Button1"));
    ExpectOneMessage(t, "Ve vasi odpovedi jsou chyby, chcete je jeste opravit?",
                     MessageButtons::YesNo);
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
    QCOMPARE(r.Tags(), QStringList({"0", "0", "1", "1"}));
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
    QTRY_VERIFY(r.Canvas().height() > last->geometry().bottom());
  }
};

QTEST_MAIN(RedundantAttributesExerciseTest)
#include "tst_test_redatr.moc"
