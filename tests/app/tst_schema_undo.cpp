#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

#include <random>
#include <set>

#include "BruteForce.h"
#include "Display.h"
#include "GuiTestSupport.h"
#include "Renumbering.h"
#include "SchemaListing.h"
#include "SchemaText.h"

namespace {

// The names and dependencies, as one comparable text.
std::string StateText(const SchemaDocument& schema) {
  std::string names;
  for (const std::string& name : schema.attributes())
    names += name + ",";
  return names + " | " + DepsText(schema.dependencies());
}

QWidget& TopLevel(const char* name) {
  QWidget* found = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String(name)) found = w;
  }
  if (found == nullptr) qFatal("window %s not found", name);
  return *found;
}

// The rows of a redundancy window that may still be deleted, 1-based.
std::vector<int> ActiveRows(QWidget& window) {
  std::vector<int> rows;
  for (auto* button : window.findChildren<QPushButton*>()) {
    const QString name = button->objectName();
    if (name.startsWith(QLatin1String("Button")) && button->isVisible() && button->isEnabled())
      rows.push_back(name.mid(6).toInt());
  }
  return rows;
}

QString RowText(QWidget& window, int k) {
  return Unbreakable(Find<QWidget>(window, QStringLiteral("Edit%1").arg(k).toLatin1().constData())
                         ->property("text")
                         .toString());
}

void Delete(TestBench& t, QWidget& window, int k) {
  t.platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
  QTest::mouseClick(
      Find<QPushButton>(window, QStringLiteral("Button%1").arg(k).toLatin1().constData()),
      Qt::LeftButton);
  t.platform.answers.clear();
}

std::multiset<std::string> Listed(const SchemaDocument& schema) {
  std::multiset<std::string> shown;
  for (const Dependency& d : schema.dependencies())
    shown.insert(ShowDependency(d, schema.attributes()));
  return shown;
}

}  // namespace

class SchemaUndoTest : public QObject {
  Q_OBJECT

 private slots:
  // Editor results and deletions share one history: each is a step that
  // undoes and redoes to the exact schema it left, the unsaved mark
  // following the saved step.
  void editorStepsAndDeletionsShareOneHistory() {
    TestBench t;
    t.main().show();
    QVERIFY(QTest::qWaitForWindowActive(&t.main()));
    SchemaDocument& schema = t.schema();
    schema.Load(Names("ABC"), Deps("A->B; B->C"), QString());
    Find<QAction>(t.main(), "a_red_dependencies")->trigger();  // nothing yet
    std::vector<std::string> states = {StateText(schema)};

    schema.ReplaceDependencies(Deps("A->B; B->C; A->C; AB->C"));
    states.push_back(StateText(schema));
    QAction* undo = Find<QAction>(t.main(), "a_undo");
    QCOMPARE(undo->text(), QStringLiteral("&Zpet uprava zavislosti"));
    Find<QAction>(t.main(), "a_red_dependencies")->trigger();
    QWidget& window = TopLevel("Form_Redundant_Dependency");
    QCOMPARE(RowText(window, 1), QStringLiteral("A -> C"));
    Delete(t, window, 1);
    states.push_back(StateText(schema));
    schema.MarkSaved(QString());
    const Dependency* first = &schema.dependencies().front();
    AttributeMap moved{};
    moved.fill(NoAttribute);
    moved[0] = 1;  // X comes in front; every attribute moves up a slot
    moved[1] = 2;
    moved[2] = 3;
    schema.EditAttributes(Names("XABC"), moved);
    states.push_back(StateText(schema));
    QCOMPARE(DepsText(schema.dependencies()), std::string("B->C; C->D; BC->D"));
    QCOMPARE(&schema.dependencies().front(), first);             // renumbered in place
    QCOMPARE(RowText(window, 1), QStringLiteral("A + B -> C"));  // the window refilled
    Delete(t, window, 1);
    states.push_back(StateText(schema));

    QAction* redo = Find<QAction>(t.main(), "a_redo");
    for (int k = static_cast<int>(states.size()) - 1; k > 0; --k) {
      undo->trigger();
      QCOMPARE(StateText(schema), states[k - 1]);
      QCOMPARE(schema.dirty(), k - 1 != 2);
      QCOMPARE(t.main().isWindowModified(), schema.dirty());
    }
    QVERIFY(!undo->isEnabled());
    // Forward again by both redo keys.
    for (std::size_t k = 1; k < states.size(); ++k) {
      if (k % 2 == 0) {
        QTest::keyClick(&t.main(), Qt::Key_Y, Qt::ControlModifier);
      } else {
        QTest::keyClick(&t.main(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
      }
      QCOMPARE(StateText(schema), states[k]);
    }
    QVERIFY(!redo->isEnabled());

    // A deletion after going back acts on the records of that schema and
    // drops the steps ahead.
    undo->trigger();
    undo->trigger();
    QCOMPARE(RowText(window, 1), QStringLiteral("A + B -> C"));
    Delete(t, window, 1);
    QCOMPARE(DepsText(schema.dependencies()), std::string("A->B; B->C"));
    QVERIFY(!redo->isEnabled());

    // Opening a schema starts a new history.
    schema.Load(Names("AB"), Deps("A->B"), QString());
    QVERIFY(!undo->isEnabled());
    QVERIFY(!schema.dirty());
  }

  void anEqualResultMakesNoStep() {
    TestBench t;
    t.schema().Load(Names("AB"), Deps("A->B"), QString());
    QSignalSpy changed(&t.schema(), &SchemaDocument::changed);
    t.schema().ReplaceDependencies(Deps("A->B"));
    t.schema().SetAttributes(Names("AB"));
    QCOMPARE(t.schema().undoStack().count(), 0);
    QVERIFY(!t.schema().dirty());
    QCOMPARE(changed.count(), 2);  // the windows are told all the same
  }

  // Random edits, deletions in both redundancy windows, undos and redos:
  // the schema is always the one recorded at the history's position, and
  // every deletion removes what its row shows.
  void randomHistories() {
    std::mt19937 rng(20260314);
    TestBench t;
    SchemaDocument& schema = t.schema();
    QUndoStack& stack = schema.undoStack();
    schema.Load(Names("PQRST"), brute::RandomDependencies(rng, 5, 7, 3), QString());
    std::vector<std::string> states = {StateText(schema)};
    // A step made drops the steps ahead; a result equal to the schema
    // makes none and keeps them.
    int before = 0;
    const auto record = [&] {
      if (stack.index() == before) return;
      states.resize(static_cast<std::size_t>(before) + 1);
      states.push_back(StateText(schema));
    };
    int deletions = 0;
    for (int step = 0; step < 400; ++step) {
      before = stack.index();
      AttributeTable names = schema.attributes();
      const int n = CountNames(names);
      switch (rng() % 8) {
        case 0:
          names[rng() % n] += static_cast<char>('a' + rng() % 26);
          schema.SetAttributes(names);
          record();
          break;
        case 1: {  // erase the last attribute when no record uses it
          const auto gone = static_cast<AttributeIndex>(n - 1);
          if (n < 3 || DependenciesUse(schema.dependencies(), gone)) break;
          AttributeMap moved{};
          moved.fill(NoAttribute);
          for (AttributeIndex a = 0; a < gone; ++a)
            moved[a] = a;
          names[gone].clear();
          schema.EditAttributes(names, moved);
          record();
          break;
        }
        case 2:
          if (n < 8) names[n] = "N" + std::to_string(step);
          schema.SetAttributes(names);
          record();
          break;
        case 3:
          schema.ReplaceDependencies(brute::RandomDependencies(rng, n, 7, 3));
          record();
          break;
        case 4:
          if (stack.canUndo()) stack.undo();
          break;
        case 5:
          if (stack.canRedo()) stack.redo();
          break;
        default: {
          // An open window keeps its rows across the steps and refills
          // itself when told of one.
          const bool attributeRow = rng() % 2 == 0;
          QWidget& w =
              TopLevel(attributeRow ? "Form_Redundant_Attributes" : "Form_Redundant_Dependency");
          if (!w.isVisible()) {
            Find<QAction>(t.main(), attributeRow ? "a_red_atributes" : "a_red_dependencies")
                ->trigger();
          }
          const std::vector<int> rows = ActiveRows(w);
          if (rows.empty()) break;
          const int k = rows[rng() % rows.size()];
          std::multiset<std::string> expected = Listed(schema);
          if (!attributeRow) expected.erase(expected.find(RowText(w, k).toStdString()));
          Delete(t, w, k);
          if (!attributeRow) QCOMPARE(Listed(schema), expected);
          record();
          ++deletions;
        }
      }
      QCOMPARE(static_cast<int>(states.size()), stack.count() + 1);
      QCOMPARE(StateText(schema), states[static_cast<std::size_t>(stack.index())]);
    }
    QVERIFY(deletions > 20);
  }
};

QTEST_MAIN(SchemaUndoTest)
#include "tst_schema_undo.moc"
