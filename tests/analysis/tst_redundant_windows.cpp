#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "Display.h"
#include "GuiTestSupport.h"
#include "SchemaText.h"
#include "TForm_Redundant_Attributes.h"
#include "TForm_Redundant_Dependency.h"

namespace {

const QString kSeparator = QStringLiteral("----------------------");
const QString kAttributeNotice = QStringLiteral(
    "Po smazani tohoto atributu prestal nektery jiny byt redundantni. Radek je oznacen zlute.");
const QString kDependencyNotice = QStringLiteral(
    "Po smazani teto zavislosti prestaly nektere jine byt redundantni. Tyto budou oznaceny "
    "zlute.");
const QString kAskAttribute = QStringLiteral("Chcete skutecne smazat tento atribut?");
const QString kAskDependency = QStringLiteral("Chcete skutecne smazat tuto zavislost?");
const QString kCloseAttributes =
    QStringLiteral("Jiz nezbyvaji zadne redundantni atributy, chcete zavrit formular?");
const QString kCloseDependencies =
    QStringLiteral("Jiz nezbyvaji zadne redundantni zavislosti, chcete zavrit formular?");

enum class State { Hidden, Active, Deleted, Yellow };

// The state of row k (1-based) as the user sees it.
State RowState(QWidget& window, int k) {
  auto* edit = window.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(k));
  auto* button = window.findChild<QPushButton*>(QStringLiteral("Button%1").arg(k));
  if (edit == nullptr || edit->isHidden()) return State::Hidden;
  if (button->isEnabled()) {
    return Background(*edit) == colours::White ? State::Active : State::Hidden;
  }
  if (Background(*edit) == colours::RowYellow) return State::Yellow;
  return Background(*edit) == colours::Light3D() ? State::Deleted : State::Hidden;
}

QString RowText(QWidget& window, int k) {
  return Find<QLineEdit>(window, QStringLiteral("Edit%1").arg(k).toLatin1().constData())->text();
}

void Delete(QWidget& window, int k) {
  QTest::mouseClick(
      Find<QPushButton>(window, QStringLiteral("Button%1").arg(k).toLatin1().constData()),
      Qt::LeftButton);
}

QStringList DependencyLog(TestBench& t) {
  return MemoLines(*Find<QPlainTextEdit>(t.main(), "Memo_Dep"));
}

}  // namespace

class RedundantWindowsTest : public QObject {
  Q_OBJECT

 private:
  TForm_Redundant_Attributes& OpenAttributes(TestBench& t, const std::string& names,
                                             const std::string& deps) {
    t.schema().SetAttributes(Names(names));
    t.schema().ReplaceDependencies(Deps(deps));
    Find<QAction>(t.main(), "a_red_atributes")->trigger();
    return t.windows.RedundantAttributes();
  }
  TForm_Redundant_Dependency& OpenDependencies(TestBench& t, const std::string& names,
                                               const std::string& deps) {
    t.schema().SetAttributes(Names(names));
    t.schema().ReplaceDependencies(Deps(deps));
    Find<QAction>(t.main(), "a_red_dependencies")->trigger();
    return t.windows.RedundantDependency();
  }

 private slots:
  void attributeRowsInTheOrderReported() {
    TestBench t;
    auto& w = OpenAttributes(t, "ABCD", "A->C; B->C; AB->C; AD->B; A->B");
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Schemario - Redundantni atributy"));
    QCOMPARE(Find<QLabel>(w, "Label1")->text(), QStringLiteral("Redundantni atributy:"));
    const struct {
      const char* attribute;
      const char* dependency;
    } expected[] = {{"A", "A + B -> C"}, {"B", "A + B -> C"}, {"D", "A + D -> B"}};
    for (int k = 1; k <= 3; ++k) {
      QCOMPARE(RowState(w, k), State::Active);
      QCOMPARE(RowText(w, k), QString::fromLatin1(expected[k - 1].dependency));
      QCOMPARE(Find<QLabel>(w, QStringLiteral("Label_Atr%1").arg(k).toLatin1().constData())->text(),
               QString::fromLatin1(expected[k - 1].attribute));
      QCOMPARE(Find<QLabel>(w, QStringLiteral("Label_A%1").arg(k).toLatin1().constData())->text(),
               QStringLiteral("Atribut"));
      QCOMPARE(Find<QLabel>(w, QStringLiteral("Label_D%1").arg(k).toLatin1().constData())->text(),
               QStringLiteral("v zavislosti"));
    }
    for (int k = 4; k <= 8; ++k)
      QCOMPARE(RowState(w, k), State::Hidden);
    QCOMPARE(Find<QLineEdit>(w, "Edit1")->geometry().topLeft(), QPoint(240, 64));
    QCOMPARE(Find<QPushButton>(w, "Button2")->text(), QStringLiteral("Smazat"));
    QCOMPARE(Find<QLineEdit>(w, "Edit2")->y(), 96);
    QVERIFY(t.platform.messages.empty());
  }

  void deletingAnAttributeTurnsItsTwinYellow() {
    TestBench t;
    auto& w = OpenAttributes(t, "ABC", "A->C; B->C; AB->C");
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    Delete(w, 1);
    QCOMPARE(DepsText(t.schema().dependencies), std::string("A->C; B->C; B->C"));
    QCOMPARE(t.platform.MessageTexts(),
             (std::vector<QString>{kAskAttribute, kAttributeNotice, kCloseAttributes}));
    QCOMPARE(t.platform.messages[0].buttons, MessageButtons::YesNo);
    QCOMPARE(t.platform.messages[1].buttons, MessageButtons::Ok);
    QCOMPARE(t.platform.messages[2].buttons, MessageButtons::YesNo);
    QCOMPARE(t.schema().dirty, 1);
    // Yes to the closing question: closed, and the new list is logged.
    QVERIFY(!w.isVisible());
    QCOMPARE(DependencyLog(t), (QStringList{"A -> C", "B -> C", "B -> C", kSeparator}));
    QCOMPARE(RowState(w, 1), State::Hidden);
  }

  void refusingTheClosingQuestionKeepsTheRetiredRows() {
    TestBench t;
    auto& w = OpenAttributes(t, "ABC", "A->C; B->C; AB->C");
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Delete(w, 2);
    QVERIFY(w.isVisible());
    QCOMPARE(RowState(w, 1), State::Yellow);
    QCOMPARE(RowState(w, 2), State::Deleted);
    QCOMPARE(RowText(w, 2), QStringLiteral("A + B -> C"));  // the row keeps its text
    QCOMPARE(DepsText(t.schema().dependencies), std::string("A->C; B->C; A->C"));
    w.close();
    QCOMPARE(DependencyLog(t), (QStringList{"A -> C", "B -> C", "A -> C", kSeparator}));
  }

  void answeringNoChangesNothing() {
    TestBench t;
    auto& w = OpenAttributes(t, "ABC", "A->C; B->C; AB->C");
    t.platform.answers = {MessageAnswer::No};
    Delete(w, 1);
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{kAskAttribute});
    QCOMPARE(DepsText(t.schema().dependencies), std::string("A->C; B->C; AB->C"));
    QCOMPARE(RowState(w, 1), State::Active);
    QCOMPARE(t.schema().dirty, 0);
    w.close();
    QVERIFY(DependencyLog(t).isEmpty());
  }

  void deletingTheOnlyAttributeAsksToCloseAtOnce() {
    TestBench t;
    auto& w = OpenAttributes(t, "ABC", "A->B; AB->C");
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Delete(w, 1);
    QCOMPARE(t.platform.MessageTexts(), (std::vector<QString>{kAskAttribute, kCloseAttributes}));
    QCOMPARE(DepsText(t.schema().dependencies), std::string("A->B; A->C"));
  }

  void moreThanEightAttributeFindings() {
    TestBench t;
    auto& w = OpenAttributes(t, "ABCDEFGHIJKLMN",
                             "A->B; AB->C; AB->D; AB->E; AB->F; AB->G; AB->H; AB->I; AB->J; AB->K; "
                             "AB->L; AB->M; AB->N");
    for (int k = 1; k <= 12; ++k) {
      QCOMPARE(RowState(w, k), State::Active);
      QCOMPARE(Find<QLabel>(w, QStringLiteral("Label_Atr%1").arg(k).toLatin1().constData())->text(),
               QStringLiteral("B"));
    }
    QCOMPARE(RowText(w, 12), QStringLiteral("A + B -> N"));
    QCOMPARE(Find<QLineEdit>(w, "Edit12")->y(), 64 + 32 * 11);
    // Rows below the window are reached by scrolling.
    QVERIFY(Find<QWidget>(w, "Canvas")->minimumHeight() > 399);

    t.platform.answers = {MessageAnswer::Yes};
    Delete(w, 12);
    QCOMPARE(RowState(w, 12), State::Deleted);
    QVERIFY(DepsText(t.schema().dependencies).ends_with("AB->M; A->N"));
    w.close();
    // The rows beyond the eighth belonged to that filling only.
    QVERIFY(w.findChild<QLineEdit*>(QStringLiteral("Edit9")) == nullptr);
    QCOMPARE(Find<QWidget>(w, "Canvas")->minimumHeight(), 399);
  }

  void theCommandAgainStartsAfresh() {
    TestBench t;
    auto& w = OpenAttributes(t, "ABC", "A->C; B->C; AB->C");
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Delete(w, 1);
    Find<QAction>(t.main(), "a_red_atributes")->trigger();
    QVERIFY(!w.isVisible());  // nothing redundant is left
    QCOMPARE(t.platform.MessageTexts().back(), QStringLiteral("Zadne redundantni atributy nejsou"));
    QCOMPARE(RowState(w, 1), State::Hidden);

    auto& again = OpenAttributes(t, "ABC", "A->C; AB->C");
    QVERIFY(again.isVisible());
    QCOMPARE(RowState(again, 1), State::Active);
    QCOMPARE(RowText(again, 1), QStringLiteral("A + B -> C"));
    QCOMPARE(RowState(again, 2), State::Hidden);
    // The reset did not log the earlier deletion.
    QVERIFY(DependencyLog(t).isEmpty());
  }

  void rowsOfAReplacedListDeleteNothing() {
    TestBench t;
    auto& w = OpenAttributes(t, "ABC", "A->C; B->C; AB->C");
    // The main window installs a list of the same shape meanwhile.
    t.schema().ReplaceDependencies(Deps("A->C; B->C; AB->C"));
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Delete(w, 1);
    QCOMPARE(DepsText(t.schema().dependencies), std::string("A->C; B->C; AB->C"));
    QCOMPARE(t.schema().dirty, 0);
    QCOMPARE(RowState(w, 1), State::Deleted);
    w.close();
    QVERIFY(DependencyLog(t).isEmpty());
  }

  void dependencyRows() {
    TestBench t;
    auto& w = OpenDependencies(t, "ABC", "A->B; B->A; A->C; B->C");
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Schemario - Redundantni zavislosti"));
    QCOMPARE(Find<QLabel>(w, "Label1")->text(), QStringLiteral("Redundantni zavislosti:"));
    QCOMPARE(RowText(w, 1), QStringLiteral("A -> C"));
    QCOMPARE(RowText(w, 2), QStringLiteral("B -> C"));
    QCOMPARE(RowState(w, 1), State::Active);
    QCOMPARE(RowState(w, 2), State::Active);
    QCOMPARE(RowState(w, 3), State::Hidden);
    QCOMPARE(Find<QLineEdit>(w, "Edit2")->geometry().topLeft(), QPoint(24, 88));
    QCOMPARE(Find<QPushButton>(w, "Button2")->x(), 280);
  }

  void deletingADependencyTurnsTheOtherYellow() {
    TestBench t;
    auto& w = OpenDependencies(t, "ABC", "A->B; B->A; A->C; B->C");
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Delete(w, 1);
    QCOMPARE(t.platform.MessageTexts(),
             (std::vector<QString>{kAskDependency, kDependencyNotice, kCloseDependencies}));
    QCOMPARE(DepsText(t.schema().dependencies), std::string("A->B; B->A; B->C"));
    QCOMPARE(RowState(w, 1), State::Deleted);
    QCOMPARE(RowText(w, 1), QStringLiteral("A -> C"));
    QCOMPARE(RowState(w, 2), State::Yellow);
    QCOMPARE(t.schema().dirty, 1);
    QVERIFY(w.isVisible());
    w.close();
    QCOMPARE(DependencyLog(t), (QStringList{"A -> B", "B -> A", "B -> C", kSeparator}));
  }

  void deletingTheOnlyRedundantDependency() {
    TestBench t;
    auto& w = OpenDependencies(t, "ABC", "A->B; B->C; A->C");
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    Delete(w, 1);
    QCOMPARE(t.platform.MessageTexts(), (std::vector<QString>{kAskDependency, kCloseDependencies}));
    QVERIFY(!w.isVisible());
    QCOMPARE(DepsText(t.schema().dependencies), std::string("A->B; B->C"));
  }

  void deletingTheFirstRecordOfTheList() {
    TestBench t;
    auto& w = OpenDependencies(t, "ABC", "A->C; A->B; B->C");
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Delete(w, 1);
    QCOMPARE(DepsText(t.schema().dependencies), std::string("A->B; B->C"));
    w.close();
    QCOMPARE(DependencyLog(t), (QStringList{"A -> B", "B -> C", kSeparator}));
  }

  void dependencyWindowClosedWithoutDeletion() {
    TestBench t;
    auto& w = OpenDependencies(t, "ABC", "A->B; B->C; A->C");
    t.platform.answers = {MessageAnswer::No};
    Delete(w, 1);
    QCOMPARE(t.schema().dirty, 0);
    w.close();
    QVERIFY(DependencyLog(t).isEmpty());
    QCOMPARE(RowState(w, 1), State::Hidden);
  }

  void moreThanEightDependencyFindings() {
    TestBench t;
    auto& w =
        OpenDependencies(t, "AB", "A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B");
    for (int k = 1; k <= 10; ++k)
      QCOMPARE(RowState(w, k), State::Active);
    QCOMPARE(Find<QLineEdit>(w, "Edit10")->y(), 56 + 32 * 9);
    t.platform.answers = {MessageAnswer::Yes};
    Delete(w, 10);
    QCOMPARE(t.schema().dependencies.size(), std::size_t{9});
    // Down to the last copy, which then follows from nothing else.
    for (int k = 1; k <= 8; ++k) {
      t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
      Delete(w, k);
    }
    QCOMPARE(t.schema().dependencies.size(), std::size_t{1});
    QCOMPARE(RowState(w, 9), State::Yellow);
    QCOMPARE(t.platform.MessageTexts().back(), kCloseDependencies);
    w.close();
    QCOMPARE(DependencyLog(t), (QStringList{"A -> B", kSeparator}));
    QVERIFY(w.findChild<QLineEdit*>(QStringLiteral("Edit9")) == nullptr);
  }

  void dependencyRowsOfAReplacedListDeleteNothing() {
    TestBench t;
    auto& w = OpenDependencies(t, "ABC", "A->B; B->C; A->C");
    t.schema().ReplaceDependencies(Deps("A->B; B->C; A->C"));
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Delete(w, 1);
    QCOMPARE(DepsText(t.schema().dependencies), std::string("A->B; B->C; A->C"));
    QCOMPARE(t.schema().dirty, 0);
  }

  void bothWindowsOnOneList() {
    TestBench t;
    auto& deps = OpenDependencies(t, "ABC", "A->B; AB->C; A->C");
    auto& attrs = t.windows.RedundantAttributes();
    Find<QAction>(t.main(), "a_red_atributes")->trigger();
    QVERIFY(attrs.isVisible());
    QCOMPARE(RowText(attrs, 1), QStringLiteral("A + B -> C"));
    // The dependency window deletes the record the attribute row shows.
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    QCOMPARE(RowText(deps, 1), QStringLiteral("A + B -> C"));
    Delete(deps, 1);
    QCOMPARE(DepsText(t.schema().dependencies), std::string("A->B; A->C"));
    deps.close();
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Delete(attrs, 1);
    QCOMPARE(DepsText(t.schema().dependencies), std::string("A->B; A->C"));
  }
};

QTEST_MAIN(RedundantWindowsTest)
#include "tst_redundant_windows.moc"
