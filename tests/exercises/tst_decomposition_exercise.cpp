#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DecompositionExercise.h"
#include "Display.h"
#include "ExerciseTests.h"
#include "Keys.h"
#include "WrappingField.h"

namespace {

struct Decomposition {
  DecompositionExercise& w;
  QGroupBox* Column(const char* name) { return Find<QGroupBox>(w, name); }
  // The controls of a column's left (3NF) or right (BCNF) half, top down.
  template <typename T>
  std::vector<T*> In(const char* column, bool left) {
    std::vector<T*> out;
    // The rows, on a panel inside the column, settle in two rounds.
    for (int round = 0; round < 2; ++round)
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QWidget* rows = Find<QWidget>(*Column(column), ("Rows_" + std::string(column)).c_str());
    for (T* c : Placed<T>(*rows)) {
      if ((c->geometry().center().x() < rows->width() / 2) == left) out.push_back(c);
    }
    return out;
  }
  std::vector<QCheckBox*> Answers3NF() { return In<QCheckBox>("GB_odpoved", true); }
  std::vector<QCheckBox*> AnswersBCNF() { return In<QCheckBox>("GB_odpoved", false); }
  std::vector<QCheckBox*> Solutions3NF() { return In<QCheckBox>("GB_reseni", true); }
  std::vector<QCheckBox*> SolutionsBCNF() { return In<QCheckBox>("GB_reseni", false); }
  std::vector<QLineEdit*> Marks3NF() { return In<QLineEdit>("GB_reseni", true); }
  std::vector<QLineEdit*> MarksBCNF() { return In<QLineEdit>("GB_reseni", false); }
  std::vector<WrappingField*> Fields() {
    return Placed<WrappingField>(*Find<QWidget>(w, "DependencyFields"));
  }
  // Where a control's middle stands in the window.
  static QPoint Middle(const QWidget* c) { return c->mapTo(c->window(), c->rect().center()); }
  // Every row's boxes and marks stand level with its dependency, the 3NF
  // ones left of the BCNF ones, each mark framing its solution box, all
  // inside their columns.
  void ExpectRowsLinedUp() {
    const std::size_t n = Fields().size();
    QCOMPARE(Answers3NF().size(), n);
    QCOMPARE(SolutionsBCNF().size(), n);
    QCOMPARE(MarksBCNF().size(), n);
    for (std::size_t k = 0; k < n; ++k) {
      const int y = Middle(Fields()[k]).y();
      for (QWidget* c :
           std::initializer_list<QWidget*>{Answers3NF()[k], AnswersBCNF()[k], Solutions3NF()[k],
                                           SolutionsBCNF()[k], Marks3NF()[k], MarksBCNF()[k]}) {
        QVERIFY(qAbs(Middle(c).y() - y) <= 1);
        QVERIFY(c->parentWidget()->rect().contains(c->geometry()));
      }
      QVERIFY(Answers3NF()[k]->x() < AnswersBCNF()[k]->x());
      QVERIFY(Marks3NF()[k]->geometry().contains(Solutions3NF()[k]->geometry()));
      QVERIFY(MarksBCNF()[k]->geometry().contains(SolutionsBCNF()[k]->geometry()));
      if (k > 0) QVERIFY(Fields()[k - 1]->geometry().bottom() < Fields()[k]->y());
    }
  }
  QStringList FieldTexts() {
    QStringList out;
    for (const WrappingField* f : Fields())
      out << Unbreakable(f->text());
    return out;
  }
  // Ticks as "3" (3NF), "B" (BCNF), "-" (neither) or "*" (both), per row.
  void Answer(const QString& rows) {
    for (int k = 0; k < rows.size(); ++k) {
      if (rows[k] == QLatin1Char('3') || rows[k] == QLatin1Char('*')) Click(Answers3NF()[k]);
      if (rows[k] == QLatin1Char('B') || rows[k] == QLatin1Char('*')) Click(AnswersBCNF()[k]);
    }
  }
  static QString Rows(const std::vector<QCheckBox*>& nf3, const std::vector<QCheckBox*>& bcnf) {
    QString out;
    for (std::size_t k = 0; k < nf3.size(); ++k) {
      const bool a = nf3[k]->isChecked(), b = bcnf[k]->isChecked();
      out += a && b ? QLatin1Char('*')
             : a    ? QLatin1Char('3')
             : b    ? QLatin1Char('B')
                    : QLatin1Char('-');
    }
    return out;
  }
  QString Solution() { return Rows(Solutions3NF(), SolutionsBCNF()); }
  // Shown error marks per row in the same notation.
  QString ShownMarks() {
    QString out;
    for (std::size_t k = 0; k < Marks3NF().size(); ++k) {
      const bool a = Marks3NF()[k]->isVisible(), b = MarksBCNF()[k]->isVisible();
      out += a && b ? QLatin1Char('*')
             : a    ? QLatin1Char('3')
             : b    ? QLatin1Char('B')
                    : QLatin1Char('-');
    }
    return out;
  }
  bool SolutionShown() {
    for (QWidget* h : {static_cast<QWidget*>(Find<QLabel>(w, "Label_SR")),
                       static_cast<QWidget*>(Find<QLabel>(w, "Label_R1")),
                       static_cast<QWidget*>(Find<QLabel>(w, "Label_R2")),
                       static_cast<QWidget*>(Find<QLabel>(w, "Label_R3"))}) {
      if (!h->isVisible()) return false;
    }
    for (QCheckBox* box : Solutions3NF()) {
      if (!box->isVisible()) return false;
    }
    for (QCheckBox* box : SolutionsBCNF()) {
      if (!box->isVisible()) return false;
    }
    return true;
  }
  QPushButton* Button(const char* name) { return Find<QPushButton>(w, name); }
};

}  // namespace

class DecompositionExerciseTest : public QObject {
  Q_OBJECT

 private:
  Decomposition Open(TestBench& t) {
    Choose(t, "Dekompozice1");
    return Decomposition{t.windows.decompositionExercise()};
  }

 private slots:
  void opensWithOneRowPerDependency() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B; B->C");
    Decomposition d = Open(t);
    QCOMPARE(d.w.windowTitle(), QStringLiteral("Testovaci model - Dekompozice"));
    const struct {
      const char* name;
      const char* text;
    } labels[] = {{"Label1", "Zavislosti schematu:"},
                  {"Label2", "(zvolte, ktere zavislosti porusuji 3NF ci BCNF)"},
                  {"Label_O1", "3NF"},
                  {"Label6", "a"},
                  {"Label_O2", "BCNF"},
                  {"Label_SR", "Spravne reseni"},
                  {"Label_R1", "3NF"},
                  {"Label_R3", "a"},
                  {"Label_R2", "BCNF"},
                  {"Label3", "Atributy"},
                  {"Label4", "Zavislosti"}};
    for (const auto& l : labels)
      QCOMPARE(Find<QLabel>(d.w, l.name)->text(), QString::fromLatin1(l.text));
    QCOMPARE(Find<QLabel>(d.w, "Label5")->text(), QString(73, QLatin1Char('_')));
    QVERIFY(!d.SolutionShown());
    QCOMPARE(Lines(Find<QPlainTextEdit>(d.w, "Memo_Atr")), QStringList({"A", "B", "C"}));
    QCOMPARE(Lines(Find<QPlainTextEdit>(d.w, "Memo_Dep")), QStringList({"A -> B", "B -> C"}));
    QCOMPARE(d.FieldTexts(), QStringList({"A -> B", "B -> C"}));
    d.ExpectRowsLinedUp();
    QCOMPARE(d.Solution(), QStringLiteral("--"));
    QCOMPARE(d.ShownMarks(), QStringLiteral("--"));
    QVERIFY(!d.Column("GB_reseni")->isEnabled());
    QVERIFY(d.Button("Button1")->isEnabled());
    QVERIFY(!d.Button("Button_new")->isVisible());
  }

  void clearingTheRowsLeavesNothingToJudge() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B; B->C");
    Decomposition d = Open(t);
    Find<QAction>(d.w, "a_clear")->trigger();
    QVERIFY(!d.Button("Button1")->isEnabled());
    // Even the action itself finds no rows to read.
    Find<QAction>(d.w, "a_spravnaodpoved")->trigger();
    QVERIFY(d.Fields().empty());
  }

  void emptySchemaOffersNothing() {
    TestBench t;
    Decomposition d = Open(t);
    QVERIFY(!d.Button("Button1")->isEnabled());
    QVERIFY(d.Fields().empty());
  }

  void rightAnswersShowTheSolution_data() {
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QString>("deps");
    QTest::addColumn<QString>("answer");
    // A is the key: A -> B violates nothing, B -> C violates 3NF (only the
    // 3NF box is expected).
    QTest::newRow("transitive") << "ABC"
                                << "A->B; B->C"
                                << "-3";
    QTest::newRow("no dependencies") << "AB"
                                     << ""
                                     << "";
  }

  void rightAnswersShowTheSolution() {
    QFETCH(QString, letters);
    QFETCH(QString, deps);
    QFETCH(QString, answer);
    TestBench t;
    LoadSchema(t, letters.toStdString(), deps.toStdString());
    Decomposition d = Open(t);
    d.Answer(answer);
    Click(d.Button("Button1"));
    ExpectOneMessage(t, kRightAnswer, MessageButtons::Ok);
    QCOMPARE(d.Solution(), answer);
    QCOMPARE(d.ShownMarks(), QString(answer.size(), QLatin1Char('-')));
    QVERIFY(d.SolutionShown());
    QVERIFY(!d.Column("GB_odpoved")->isEnabled());
    QVERIFY(!d.Button("Button1")->isEnabled());
    QVERIFY(d.Button("Button_new")->isVisible());
    QCOMPARE(d.Button("Button_new")->text(), QStringLiteral("&Zkusit znovu"));
  }

  void wrongAnswerYesKeepsItOpenNoMarksEachWrongBox() {
    TestBench t;
    LoadSchema(t, "ABCD", "A->B; B->A; C->D");  // keys {A, C}, {B, C}
    Decomposition d = Open(t);
    QCOMPARE(d.FieldTexts(), QStringList({"A -> B", "B -> A", "C -> D"}));
    d.Answer("*-B");

    t.platform.answers.push_back(MessageAnswer::Yes);
    Click(d.Button("Button1"));
    ExpectOneMessage(t, kCorrectIt, MessageButtons::YesNo);
    QVERIFY(!d.SolutionShown());
    QCOMPARE(d.ShownMarks(), QStringLiteral("---"));
    QVERIFY(d.Column("GB_odpoved")->isEnabled());
    QVERIFY(d.Button("Button1")->isEnabled());

    t.platform.answers.push_back(MessageAnswer::No);
    Click(d.Button("Button1"));
    ExpectOneMessage(t, kCorrectIt, MessageButtons::YesNo);
    QVERIFY(d.SolutionShown());
    QCOMPARE(d.Solution(), QStringLiteral("BB3"));
    // Row 1: 3NF ticked wrongly; row 2: BCNF missing; row 3: both wrong.
    QCOMPARE(d.ShownMarks(), QStringLiteral("3B*"));
    QVERIFY(!d.Column("GB_odpoved")->isEnabled());
    QVERIFY(d.Button("Button_new")->isVisible());
  }

  void tryAgainResetsTheRows() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B; B->C");
    Decomposition d = Open(t);
    d.Answer("33");
    t.platform.answers.push_back(MessageAnswer::No);
    Click(d.Button("Button1"));
    t.platform.messages.clear();
    Click(d.Button("Button_new"));
    QCOMPARE(Decomposition::Rows(d.Answers3NF(), d.AnswersBCNF()), QStringLiteral("--"));
    QCOMPARE(d.Solution(), QStringLiteral("--"));
    QCOMPARE(Shown(d.Solutions3NF()), QStringLiteral(".."));
    QCOMPARE(d.ShownMarks(), QStringLiteral("--"));
    QVERIFY(!Find<QLabel>(d.w, "Label_SR")->isVisible());
    QVERIFY(d.Column("GB_odpoved")->isEnabled());
    QVERIFY(d.Button("Button1")->isEnabled());
    QVERIFY(!d.Button("Button_new")->isVisible());
    d.Answer("-3");
    Click(d.Button("Button1"));
    ExpectOneMessage(t, kRightAnswer, MessageButtons::Ok);
  }

  void manyRowsScrollInsideAWindowThatFitsASmallScreen() {
    TestBench t;
    std::string deps = "ABCDEFGHIJ->KLMNOPQRST";
    for (int i = 1; i < 40; ++i)
      deps += "; A->B";
    LoadSchema(t, "ABCDEFGHIJKLMNOPQRST", deps);
    Decomposition d = Open(t);
    QVERIFY(d.w.height() <= 700);
    QVERIFY(d.w.width() <= 1366);
    // The longest dependency is shown whole, on as many lines as it needs.
    WrappingField& longest = *d.Fields()[0];
    QVERIFY(longest.height() >= longest.heightForWidth(longest.width()));
    d.ExpectRowsLinedUp();

    QVERIFY(d.w.close());
    QVERIFY(d.Fields().empty());
    QVERIFY(d.Answers3NF().empty());
  }

  void checksAgainstTheKeysOfTheSchemaAsItIsNow() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B; B->C");
    t.schema().SetKeys(ComputeKeys(t.schema().dependencies(), t.schema().attributes()));
    // An edit without Open: the main window's keys ({A}) belong to the
    // earlier schema, whose key is now {B}.
    t.schema().ReplaceDependencies(Deps("B->A; A->C"));
    Decomposition d = Open(t);
    d.Answer("-3");
    Click(d.Button("Button1"));
    ExpectOneMessage(t, kRightAnswer, MessageButtons::Ok);
    QCOMPARE(KeyLetters(t.schema().keys()), std::vector<std::string>{"A"});
  }

  void checksWithKeysEvenBeforeAnyKeySearch() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B; B->C");
    QVERIFY(t.schema().keys().empty());
    Decomposition d = Open(t);
    d.Answer("-3");
    Click(d.Button("Button1"));
    ExpectOneMessage(t, kRightAnswer, MessageButtons::Ok);
    QVERIFY(t.schema().keys().empty());
  }

  void closingClearsAndReopeningReadsTheSchemaAgain() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B; B->C");
    Decomposition d = Open(t);
    d.Answer("-3");
    Click(d.Button("Button1"));
    t.platform.messages.clear();
    QVERIFY(d.w.close());
    QVERIFY(d.Fields().empty());
    QVERIFY(d.Answers3NF().empty());
    QVERIFY(Lines(Find<QPlainTextEdit>(d.w, "Memo_Dep")).isEmpty());
    QVERIFY(Lines(Find<QPlainTextEdit>(d.w, "Memo_Atr")).isEmpty());
    QVERIFY(d.Column("GB_odpoved")->isEnabled());
    QVERIFY(!d.Button("Button_new")->isVisible());

    LoadSchema(t, "AB", "A->B");
    Open(t);
    QCOMPARE(d.FieldTexts(), QStringList({"A -> B"}));
    QVERIFY(!d.SolutionShown());
    QVERIFY(d.Button("Button1")->isEnabled());
  }

  void openingAgainWhileOpenStartsAfresh() {
    TestBench t;
    LoadSchema(t, "ABC", "A->B; B->C");
    Decomposition d = Open(t);
    Click(d.Button("Button1"));
    t.platform.messages.clear();
    Open(t);
    QCOMPARE(d.Fields().size(), std::size_t{2});
    QCOMPARE(d.Answers3NF().size(), std::size_t{2});
    QCOMPARE(Lines(Find<QPlainTextEdit>(d.w, "Memo_Dep")).size(), 2);
    QVERIFY(!d.SolutionShown());
    QVERIFY(d.Column("GB_odpoved")->isEnabled());
    QVERIFY(d.Button("Button1")->isEnabled());
  }
};

QTEST_MAIN(DecompositionExerciseTest)
#include "tst_decomposition_exercise.moc"
