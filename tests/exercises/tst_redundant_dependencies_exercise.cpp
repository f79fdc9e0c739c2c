#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Display.h"
#include "ExerciseTests.h"
#include "RedundantDependenciesExercise.h"
#include "WrappingField.h"

namespace {

struct RedDep {
  RedundantDependenciesExercise& w;
  // The controls of one column of the rows: the leftmost or the rightmost
  // of their kind.
  template <typename T>
  std::vector<T*> Column(bool leftmost) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const std::vector<T*> placed = Placed<T>(*Find<QWidget>(w, "Panel_Rows"));
    int left = leftmost ? INT_MAX : INT_MIN;
    for (const T* c : placed)
      left = leftmost ? std::min(left, c->x()) : std::max(left, c->x());
    std::vector<T*> out;
    for (T* c : placed) {
      if (c->x() == left) out.push_back(c);
    }
    return out;
  }
  std::vector<WrappingField*> Fields() { return Column<WrappingField>(true); }
  std::vector<QCheckBox*> Answers() { return Column<QCheckBox>(true); }
  std::vector<QLineEdit*> Marks() { return Column<QLineEdit>(false); }
  std::vector<QCheckBox*> Solutions() { return Column<QCheckBox>(false); }
  QStringList FieldTexts() {
    QStringList out;
    for (const WrappingField* f : Fields())
      out << Unbreakable(f->text());
    return out;
  }
  QPushButton* Button(const char* name) { return Find<QPushButton>(w, name); }
  // Checks the answer; a wrong one is corrected or not as told.
  void Check(TestBench& t, MessageAnswer correctIt) {
    t.platform.answers.push_back(correctIt);
    Click(Button("Button1"));
  }
  void Tick(const QString& ticks) {
    const std::vector<QCheckBox*> boxes = Answers();
    for (int k = 0; k < ticks.size(); ++k) {
      if (ticks[k] == QLatin1Char('1')) Click(boxes[k]);
    }
  }
};

}  // namespace

class RedundantDependenciesExerciseTest : public QObject {
  Q_OBJECT

 private:
  RedDep Open(TestBench& t) {
    Choose(t, "Redundantnizavislosti2");
    return RedDep{t.windows.redundantDependenciesExercise()};
  }

  // Opens the exercise on the dependencies over ABC, ticks the rows as given
  // and has the answer checked; a wrong one is corrected or not as told.
  RedDep Answered(TestBench& t, const char* deps, const QString& ticks, MessageAnswer correctIt) {
    LoadSchema(t, "ABC", deps);
    RedDep r = Open(t);
    r.Tick(ticks);
    r.Check(t, correctIt);
    return r;
  }

 private slots:
  void opensWithOneRowPerDependency() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B; B->C; AB->C");
    RedDep r = Open(t);
    QCOMPARE(r.w.windowTitle(), QStringLiteral("Testovaci modul - Redundantni zavislosti"));
    QCOMPARE(Find<QLabel>(r.w, "Label1")->text(), QStringLiteral("Redundantni zavislosti"));
    QCOMPARE(Find<QLabel>(r.w, "Label3")->text(),
             QStringLiteral("(zaskrtnete redundantni zavislosti)"));
    QCOMPARE(Find<QLabel>(r.w, "Label4")->text(), QString(67, QLatin1Char('_')));
    QCOMPARE(Find<QLabel>(r.w, "Label2")->text(), QStringLiteral("Zavislosti:"));
    QCOMPARE(Find<QLabel>(r.w, "Label_SR")->text(), QStringLiteral("Spravne reseni"));
    QVERIFY(!Find<QLabel>(r.w, "Label_SR")->isVisible());
    QCOMPARE(r.FieldTexts(), QStringList({"A -> B", "B -> C", "A + B -> C"}));
    // Every row's boxes stand on its field's line, the solution on its mark.
    for (std::size_t k = 0; k < 3; ++k) {
      const int line = r.Fields()[k]->geometry().center().y();
      QVERIFY(std::abs(r.Answers()[k]->geometry().center().y() - line) <= 1);
      QVERIFY(std::abs(r.Marks()[k]->geometry().center().y() - line) <= 1);
      QCOMPARE(r.Solutions()[k]->geometry().center(), r.Marks()[k]->geometry().center());
    }
    QCOMPARE(Background(*r.Marks()[0]), colours::WrongRed);
    QCOMPARE(Shown(r.Answers()), QStringLiteral("VVV"));
    QCOMPARE(Shown(r.Marks()), QStringLiteral("..."));
    QCOMPARE(Shown(r.Solutions()), QStringLiteral("..."));
    QVERIFY(!r.Solutions()[0]->isEnabled());
    QCOMPARE(Lines(Find<QPlainTextEdit>(r.w, "Memo1")),
             QStringList({"A -> B", "B -> C", "A + B -> C"}));
    QVERIFY(r.Button("Button1")->isEnabled());
    QVERIFY(!r.Button("Button_new")->isVisible());
  }

  void emptySchemaOffersNothing() {
    TestBench t;
    RedDep r = Open(t);
    QVERIFY(!r.Button("Button1")->isEnabled());
    QVERIFY(r.Fields().empty());
  }

  void rightAnswersShowTheSolution_data() {
    QTest::addColumn<QString>("deps");
    QTest::addColumn<QString>("ticks");
    QTest::newRow("third of three") << "A->B; B->C; A->C"
                                    << "001";
    // Rows three and four are each redundant against the full list, although
    // removing both would lose C.
    QTest::newRow("two judged alone") << "A->B; B->A; A->C; B->C"
                                      << "0011";
    QTest::newRow("no dependencies") << ""
                                     << "";
  }

  void rightAnswersShowTheSolution() {
    QFETCH(QString, deps);
    QFETCH(QString, ticks);
    TestBench t;
    LoadSchema(t, "ABC", deps.toStdString());
    RedDep r = Open(t);
    r.Tick(ticks);
    Click(r.Button("Button1"));
    ExpectOneMessage(t, kRightAnswer, MessageButtons::Ok);
    QCOMPARE(Ticks(r.Solutions()), ticks);
    QCOMPARE(Shown(r.Solutions()), QString(ticks.size(), QLatin1Char('V')));
    QCOMPARE(Shown(r.Marks()), QString(ticks.size(), QLatin1Char('.')));
    for (const QCheckBox* box : r.Answers())
      QVERIFY(!box->isEnabled());
    QVERIFY(Find<QLabel>(r.w, "Label_SR")->isVisible());
    QVERIFY(!r.Button("Button1")->isEnabled());
    QVERIFY(r.Button("Button_new")->isVisible());
    QCOMPARE(r.Button("Button_new")->text(), QStringLiteral("&Zkusit znovu"));
  }

  void wrongAnswerYesKeepsItOpenNoShowsTheErrors() {
    TestBench t;
    RedDep r = Answered(t, "A->B; B->A; A->C; B->C", "1010", MessageAnswer::Yes);
    ExpectOneMessage(t, kCorrectIt, MessageButtons::YesNo);
    QCOMPARE(Shown(r.Solutions()), QStringLiteral("...."));
    QCOMPARE(Shown(r.Marks()), QStringLiteral("...."));
    QVERIFY(r.Answers()[0]->isEnabled());
    QVERIFY(r.Button("Button1")->isEnabled());
    QVERIFY(!Find<QLabel>(r.w, "Label_SR")->isVisible());

    Click(r.Answers()[0]);  // corrected, row four still missing
    r.Check(t, MessageAnswer::No);
    ExpectOneMessage(t, kCorrectIt, MessageButtons::YesNo);
    QCOMPARE(Ticks(r.Solutions()), QStringLiteral("0011"));
    QCOMPARE(Shown(r.Solutions()), QStringLiteral("VVVV"));
    QCOMPARE(Shown(r.Marks()), QStringLiteral("...V"));
    QVERIFY(!r.Answers()[0]->isEnabled());
    QVERIFY(Find<QLabel>(r.w, "Label_SR")->isVisible());
    QVERIFY(!r.Button("Button1")->isEnabled());
    QVERIFY(r.Button("Button_new")->isVisible());
    // The missed row says why it follows from the rest; the task counts
    // once, as given up.
    QCOMPARE(Find<QPlainTextEdit>(r.w, "Memo_Explanation")->toPlainText(),
             QStringLiteral("Zavislost B -> C je nadbytecne: z {B} plyne C i bez nej:\n"
                            "  B -> A pridava A\n"
                            "  A -> C pridava C"));
    QCOMPARE(Find<QLabel>(r.w, "Label_Score")->text(), QStringLiteral("Spravne: 0 z 1"));
    r.w.close();
    QCOMPARE(Find<QLabel>(r.w, "Label_Score")->text(), QStringLiteral("Spravne: 0 z 0"));
  }

  void aWrongTickShowsAnUntickedBoxInARedFrame() {
    TestBench t;
    RedDep r = Answered(t, "A->B; B->C", "10", MessageAnswer::No);
    QCOMPARE(Shown(r.Marks()), QStringLiteral("V."));
    QVERIFY(!r.Solutions()[0]->isChecked());
    QVERIFY(r.Marks()[0]->geometry().contains(r.Solutions()[0]->geometry()));
    // The box lies over the mark.
    QWidget* rows = Find<QWidget>(r.w, "Panel_Rows");
    QCOMPARE(rows->childAt(r.Solutions()[0]->geometry().center()), r.Solutions()[0]);
    QCOMPARE(rows->childAt(r.Marks()[0]->geometry().topLeft() + QPoint(1, 1)), r.Marks()[0]);
  }

  void tryAgainResetsTheRows() {
    TestBench t;
    RedDep r = Answered(t, "A->B; B->C; A->C", "110", MessageAnswer::No);
    t.platform.messages.clear();
    Click(r.Button("Button_new"));
    QCOMPARE(Ticks(r.Answers()), QStringLiteral("000"));
    QCOMPARE(Ticks(r.Solutions()), QStringLiteral("000"));
    QCOMPARE(Shown(r.Answers()), QStringLiteral("VVV"));
    QCOMPARE(Shown(r.Solutions()), QStringLiteral("..."));
    QCOMPARE(Shown(r.Marks()), QStringLiteral("..."));
    QVERIFY(r.Answers()[0]->isEnabled());
    QVERIFY(!Find<QLabel>(r.w, "Label_SR")->isVisible());
    QVERIFY(r.Button("Button1")->isEnabled());
    QVERIFY(!r.Button("Button_new")->isVisible());
    r.Tick("001");
    Click(r.Button("Button1"));
    ExpectOneMessage(t, kRightAnswer, MessageButtons::Ok);
  }

  void closingClearsAndReopeningReadsTheSchemaAgain() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B; B->C; A->C");
    RedDep r = Open(t);
    Click(r.Button("Button1"));
    t.platform.messages.clear();
    QVERIFY(r.w.close());
    QVERIFY(r.Fields().empty());
    QVERIFY(Lines(Find<QPlainTextEdit>(r.w, "Memo1")).isEmpty());

    LoadSchema(t, "AB", "A->B");
    Open(t);
    QCOMPARE(r.FieldTexts(), QStringList({"A -> B"}));
    QVERIFY(!Find<QLabel>(r.w, "Label_SR")->isVisible());
    QVERIFY(r.Button("Button1")->isEnabled());
    QVERIFY(!r.Button("Button_new")->isVisible());
  }

  void openingAgainWhileOpenStartsAfresh() {
    TestBench t;
    RedDep r = Answered(t, "A->B; B->C; A->C", "1", MessageAnswer::No);
    Open(t);
    QCOMPARE(r.Fields().size(), std::size_t{3});
    QCOMPARE(Shown(r.Solutions()), QStringLiteral("..."));
    QCOMPARE(Ticks(r.Answers()), QStringLiteral("000"));
    QVERIFY(!Find<QLabel>(r.w, "Label_SR")->isVisible());
    QVERIFY(r.Button("Button1")->isEnabled());
  }

  void aChangedSchemaEndsTheTask() {
    // The schema changes in the main window while the exercise is open: the
    // rows stay on show under a notice, and nothing can be checked.
    TestBench t;
    LoadSchema(t, "ABC", "A->B; B->C; A->C");
    RedDep r = Open(t);
    LoadSchema(t, "AB", "A->B");
    QVERIFY(Find<QLabel>(r.w, "Label_OutOfDate")->isVisible());
    QCOMPARE(r.Fields().size(), std::size_t{3});
    QVERIFY(!r.Button("Button1")->isEnabled());
    Find<QAction>(r.w, "a_spravnaodpoved")->trigger();
    QVERIFY(t.platform.messages.empty());
  }
};

QTEST_MAIN(RedundantDependenciesExerciseTest)
#include "tst_redundant_dependencies_exercise.moc"
