#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "Display.h"
#include "GuiTestSupport.h"
#include "RedundantAttributesWindow.h"
#include "RedundantDependenciesWindow.h"
#include "SchemaText.h"
#include "WrappingField.h"

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
  auto* edit = window.findChild<WrappingField*>(QStringLiteral("Edit%1").arg(k));
  auto* button = window.findChild<QPushButton*>(QStringLiteral("Button%1").arg(k));
  if (edit == nullptr || edit->isHidden()) return State::Hidden;
  if (button->isEnabled()) {
    return Background(*edit) == colours::White ? State::Active : State::Hidden;
  }
  if (Background(*edit) == colours::RowYellow) return State::Yellow;
  return Background(*edit) == colours::Light3D() ? State::Deleted : State::Hidden;
}

// Rows 1..`rows` stand one below the other with each kind of control in one
// column, every control of a row on one line, and every field wide enough
// for its whole dependency; empty when so.
QString Misaligned(QWidget& window, int rows) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  int above = -1;
  for (int k = 1; k <= rows; ++k) {
    auto* edit =
        Find<WrappingField>(window, QStringLiteral("Edit%1").arg(k).toLatin1().constData());
    const QString at = QStringLiteral("row %1: ").arg(k);
    if (edit->y() <= above) return at + QStringLiteral("not below the row above");
    above = edit->geometry().bottom();
    if (edit->height() < edit->heightForWidth(edit->width()))
      return at + QStringLiteral("dependency cut short");
    for (const char* kind : {"Label_A", "Label_Atr", "Label_D", "Edit", "Button"}) {
      const QString name = QString::fromLatin1(kind);
      auto* control = window.findChild<QWidget*>(name + QString::number(k));
      if (control == nullptr) continue;
      if (control->x() != window.findChild<QWidget*>(name + QStringLiteral("1"))->x())
        return at + name + QStringLiteral(" out of its column");
      if (std::abs(control->geometry().center().y() - edit->geometry().center().y()) > 1)
        return at + name + QStringLiteral(" off the row's line");
    }
  }
  return {};
}

QString RowText(QWidget& window, int k) {
  return Unbreakable(
      Find<WrappingField>(window, QStringLiteral("Edit%1").arg(k).toLatin1().constData())->text());
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
  RedundantAttributesWindow& OpenAttributes(TestBench& t, const std::string& names,
                                            const std::string& deps) {
    t.schema().Load(Names(names), Deps(deps), QString());
    Find<QAction>(t.main(), "a_red_atributes")->trigger();
    return t.windows.redundantAttributesWindow();
  }
  RedundantDependenciesWindow& OpenDependencies(TestBench& t, const std::string& names,
                                                const std::string& deps) {
    t.schema().Load(Names(names), Deps(deps), QString());
    Find<QAction>(t.main(), "a_red_dependencies")->trigger();
    return t.windows.redundantDependenciesWindow();
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
    QCOMPARE(Find<QPushButton>(w, "Button2")->text(), QStringLiteral("Smazat"));
    QCOMPARE(Misaligned(w, 3), QString());
    QVERIFY(t.platform.messages.empty());
  }

  void deletingAnAttributeTurnsItsTwinYellow() {
    TestBench t;
    auto& w = OpenAttributes(t, "ABC", "A->C; B->C; AB->C");
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    Delete(w, 1);
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->C; B->C; B->C"));
    QCOMPARE(t.platform.MessageTexts(),
             (std::vector<QString>{kAskAttribute, kAttributeNotice, kCloseAttributes}));
    QCOMPARE(t.platform.messages[0].buttons, MessageButtons::YesNo);
    QCOMPARE(t.platform.messages[1].buttons, MessageButtons::Ok);
    QCOMPARE(t.platform.messages[2].buttons, MessageButtons::YesNo);
    QVERIFY(t.schema().dirty());
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
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->C; B->C; A->C"));
    w.close();
    QCOMPARE(DependencyLog(t), (QStringList{"A -> C", "B -> C", "A -> C", kSeparator}));
  }

  void answeringNoChangesNothing() {
    TestBench t;
    auto& w = OpenAttributes(t, "ABC", "A->C; B->C; AB->C");
    t.platform.answers = {MessageAnswer::No};
    Delete(w, 1);
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{kAskAttribute});
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->C; B->C; AB->C"));
    QCOMPARE(RowState(w, 1), State::Active);
    QVERIFY(!t.schema().dirty());
    w.close();
    QVERIFY(DependencyLog(t).isEmpty());
  }

  void deletingTheOnlyAttributeAsksToCloseAtOnce() {
    TestBench t;
    auto& w = OpenAttributes(t, "ABC", "A->B; AB->C");
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Delete(w, 1);
    QCOMPARE(t.platform.MessageTexts(), (std::vector<QString>{kAskAttribute, kCloseAttributes}));
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B; A->C"));
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
    QCOMPARE(Misaligned(w, 12), QString());
    // Rows below the window's lower edge are reached by scrolling.
    auto* canvas = Find<QWidget>(w, "Canvas");
    QVERIFY(canvas->height() > Find<WrappingField>(w, "Edit12")->geometry().bottom());
    const int tall = canvas->minimumSizeHint().height();

    t.platform.answers = {MessageAnswer::Yes};
    Delete(w, 12);
    QCOMPARE(RowState(w, 12), State::Deleted);
    QVERIFY(DepsText(t.schema().dependencies()).ends_with("AB->M; A->N"));
    w.close();
    // The rows belonged to that filling only.
    QVERIFY(w.findChild<WrappingField*>(QStringLiteral("Edit1")) == nullptr);
    QVERIFY(canvas->minimumSizeHint().height() < tall);
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

  // A change made elsewhere lists the findings again, and the window says
  // why its rows changed.
  void aChangeMadeElsewhereRefillsTheRows() {
    TestBench t;
    auto& w = OpenAttributes(t, "ABC", "A->C; AB->C");
    QCOMPARE(RowState(w, 2), State::Hidden);
    t.schema().ReplaceDependencies(Deps("A->C; B->C; AB->C"));
    QVERIFY(Find<QLabel>(w, "Label_OutOfDate")->isVisible());
    QCOMPARE(RowState(w, 2), State::Active);
    QCOMPARE(Misaligned(w, 2), QString());
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
    QCOMPARE(Misaligned(w, 2), QString());
    // A dependency copied from its row is the plain text the schema saves.
    auto* row = Find<WrappingField>(w, "Edit1");
    row->setSelection(0, static_cast<int>(row->text().size()));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(row, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("A -> C"));
  }

  void longNamesKeepTheRowsInLine_data() {
    QTest::addColumn<bool>("attributes");
    QTest::newRow("redundant attributes") << true;
    QTest::newRow("redundant dependencies") << false;
  }
  void longNamesKeepTheRowsInLine() {
    QFETCH(bool, attributes);
    TestBench t;
    AttributeTable names = Names("ABCD");
    names[1] = "Zbozi_kod_poloz";
    names[2] = "Cislo_objednavk";
    t.schema().SetAttributes(names);
    if (attributes) {
      t.schema().ReplaceDependencies(Deps("A->C; B->C; AB->C; AD->B; A->B"));
      Find<QAction>(t.main(), "a_red_atributes")->trigger();
      QCOMPARE(Misaligned(t.windows.redundantAttributesWindow(), 3), QString());
    } else {
      t.schema().ReplaceDependencies(Deps("A->B; B->A; A->C; B->C"));
      Find<QAction>(t.main(), "a_red_dependencies")->trigger();
      QCOMPARE(Misaligned(t.windows.redundantDependenciesWindow(), 2), QString());
    }
  }

  void deletingADependencyTurnsTheOtherYellow() {
    TestBench t;
    auto& w = OpenDependencies(t, "ABC", "A->B; B->A; A->C; B->C");
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Delete(w, 1);
    QCOMPARE(t.platform.MessageTexts(),
             (std::vector<QString>{kAskDependency, kDependencyNotice, kCloseDependencies}));
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B; B->A; B->C"));
    QCOMPARE(RowState(w, 1), State::Deleted);
    QCOMPARE(RowText(w, 1), QStringLiteral("A -> C"));
    QCOMPARE(RowState(w, 2), State::Yellow);
    QVERIFY(t.schema().dirty());
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
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B; B->C"));
  }

  // "Why?" derives the row's dependency from the others; a retired row has
  // nothing left to explain.
  void whyDerivesTheRedundantDependency() {
    TestBench t;
    auto& w = OpenDependencies(t, "ABC", "A->B; B->C; A->C");
    Find<QPushButton>(w, "Why1")->click();
    QCOMPARE(t.platform.MessageTexts().back(),
             QStringLiteral("Odvozeni A -> C podle Armstrongovych pravidel:\n1. A -> B (dano)\n"
                            "2. B -> C (dano)\n3. A -> C (tranzitivita: 1, 2)"));
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Delete(w, 1);
    QVERIFY(!Find<QPushButton>(w, "Why1")->isEnabled());
  }

  void dependencyWindowClosedWithoutDeletion() {
    TestBench t;
    auto& w = OpenDependencies(t, "ABC", "A->B; B->C; A->C");
    t.platform.answers = {MessageAnswer::No};
    Delete(w, 1);
    QVERIFY(!t.schema().dirty());
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
    QCOMPARE(Misaligned(w, 10), QString());
    t.platform.answers = {MessageAnswer::Yes};
    Delete(w, 10);
    QCOMPARE(t.schema().dependencies().size(), std::size_t{9});
    // Down to the last copy, which then follows from nothing else.
    for (int k = 1; k <= 8; ++k) {
      t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
      Delete(w, k);
    }
    QCOMPARE(t.schema().dependencies().size(), std::size_t{1});
    QCOMPARE(RowState(w, 9), State::Yellow);
    QCOMPARE(t.platform.MessageTexts().back(), kCloseDependencies);
    w.close();
    QCOMPARE(DependencyLog(t), (QStringList{"A -> B", kSeparator}));
    QVERIFY(w.findChild<WrappingField*>(QStringLiteral("Edit1")) == nullptr);
  }

  void deletionsCanBeUndone() {
    TestBench t;
    auto& deps = OpenDependencies(t, "ABC", "A->B; B->C; A->C; AB->C");
    const Dependency* third = &*std::next(t.schema().dependencies().begin(), 2);
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Delete(deps, 1);  // A -> C
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B; B->C; AB->C"));
    Find<QAction>(t.main(), "a_red_atributes")->trigger();
    auto& attrs = t.windows.redundantAttributesWindow();
    t.schema().MarkSaved(QString());
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Delete(attrs, 1);  // A of A + B -> C
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B; B->C; B->C"));

    QAction* undo = Find<QAction>(t.main(), "a_undo");
    undo->trigger();
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B; B->C; AB->C"));
    QVERIFY(!t.schema().dirty());                 // back as it was saved
    QCOMPARE(RowState(attrs, 1), State::Active);  // the window shows the schema again
    undo->trigger();
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B; B->C; A->C; AB->C"));
    // The record is back at its place as itself.
    QCOMPARE(&*std::next(t.schema().dependencies().begin(), 2), third);
    Find<QAction>(t.main(), "a_redo")->trigger();
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B; B->C; AB->C"));

    // A new list is a step of its own; undone, it gives the deletions back
    // their records.
    t.schema().ReplaceDependencies(Deps("A->B"));
    undo->trigger();
    undo->trigger();
    QCOMPARE(&*std::next(t.schema().dependencies().begin(), 2), third);
  }

  void bothWindowsOnOneList() {
    TestBench t;
    auto& deps = OpenDependencies(t, "ABC", "A->B; AB->C; A->C");
    auto& attrs = t.windows.redundantAttributesWindow();
    Find<QAction>(t.main(), "a_red_atributes")->trigger();
    QVERIFY(attrs.isVisible());
    QCOMPARE(RowText(attrs, 1), QStringLiteral("A + B -> C"));
    // The dependency window deletes the record the attribute row shows.
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
    QCOMPARE(RowText(deps, 1), QStringLiteral("A + B -> C"));
    Delete(deps, 1);
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B; A->C"));
    // The attribute row's record is gone, and with it the row.
    QCOMPARE(RowState(attrs, 1), State::Hidden);
    QVERIFY(Find<QLabel>(attrs, "Label_OutOfDate")->isVisible());
  }
};

QTEST_MAIN(RedundantWindowsTest)
#include "tst_redundant_windows.moc"
