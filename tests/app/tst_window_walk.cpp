// Opens every window and exercise on a small sample and on the largest
// schema the program holds, and checks in each state that the student can
// read every name, set and dependency shown.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>
#include <functional>

#include "AttributeEditorDialog.h"
#include "ClosureExercise.h"
#include "DecompositionExercise.h"
#include "DecompositionWindow.h"
#include "DependencyEditorDialog.h"
#include "ExerciseHub.h"
#include "GuiTestSupport.h"
#include "KeysExercise.h"
#include "KeysWindow.h"
#include "Language.h"
#include "Legibility.h"
#include "MaximalSetExercise.h"
#include "MaximalSetsWindow.h"
#include "OutOfDateNotice.h"
#include "OwnDecompositionExercise.h"
#include "RedundantAttributesExercise.h"
#include "RedundantAttributesWindow.h"
#include "RedundantDependenciesExercise.h"
#include "RedundantDependenciesWindow.h"
#include "ReportWindow.h"
#include "SynthesisWindow.h"

namespace {

// Brings a window into a state worth reading and returns it shown, or null
// when the schema gives the window nothing to show.
using Stop = std::function<QWidget*(TestBench&)>;

void Trigger(TestBench& t, const char* action) {
  Find<QAction>(t.main(), action)->trigger();
}

template <typename Window>
QWidget* Opened(TestBench& t, const char* action, Window& window) {
  Trigger(t, action);
  return window.isVisible() ? &window : nullptr;
}

// Splits, through the window's slot, by the first enabled dependency row.
bool SplitByFirstColouredRow(DecompositionWindow& window) {
  for (QLineEdit* row : window.findChildren<QLineEdit*>()) {
    if (row->objectName().startsWith(QStringLiteral("Edit_Dep")) && row->isEnabled() &&
        row->isVisible()) {
      window.splitShownSchema(row->property("tag").toInt());
      return true;
    }
  }
  return false;
}

// Chooses the first task of a column exercise and answers it.
template <typename Window>
void AnswerFirstTask(Window& window) {
  QWidget* tasks = Find<QWidget>(window, "Rows_Panel1");
  tasks->findChildren<QAbstractButton*>().front()->setChecked(true);
  Find<QPushButton>(window, "OK")->click();
  Find<QPushButton>(window, "Button_Odpoved")->click();
}

// The synthesis window after every step.
SynthesisWindow* Synthesised(TestBench& t) {
  Trigger(t, "a_synthesis");
  SynthesisWindow& w = t.windows.synthesisWindow();
  w.splitByLeftSides();
  w.mergeEquivalentKeys();
  w.absorbProjections();
  return &w;
}

// The course of the live schema's whole synthesis, as printed.
std::vector<std::string> SynthesisCourse(TestBench& t) {
  SynthesisSession session;
  session.load(t.schema().schema());
  session.splitByLeftSides();
  session.mergeEquivalentKeys(EarlierProjections::Undo);
  session.absorbProjections();
  return TextLines(session.courseReport());
}

struct Entry {
  const char* name;
  Stop stop;
};

std::vector<Entry> Stops() {
  return {
      {"main window", [](TestBench& t) -> QWidget* { return &t.main(); }},
      {"attribute editor",
       [](TestBench& t) -> QWidget* { return &OpenEditor(t.windows.attributeEditor()); }},
      {"dependency editor",
       [](TestBench& t) -> QWidget* { return &OpenEditor(t.windows.dependencyEditor()); }},
      {"dependency editor, last lines",
       [](TestBench& t) -> QWidget* {
         DependencyEditorDialog& editor = OpenEditor(t.windows.dependencyEditor());
         auto* up = Find<QAbstractButton>(editor, "UpDown1Up");
         if (!up->isVisible()) return nullptr;
         for (std::size_t k = 0; k < t.schema().dependencies().size(); ++k)
           up->click();
         return &editor;
       }},
      {"keys",
       [](TestBench& t) -> QWidget* {
         Trigger(t, "a_keys");
         t.windows.keysWindow().showFirstKey();
         t.windows.keysWindow().showFurtherKeys();
         return &t.windows.keysWindow();
       }},
      {"redundant attributes",
       [](TestBench& t) {
         return Opened(t, "a_red_atributes", t.windows.redundantAttributesWindow());
       }},
      {"redundant dependencies",
       [](TestBench& t) {
         return Opened(t, "a_red_dependencies", t.windows.redundantDependenciesWindow());
       }},
      {"maximal sets",
       [](TestBench& t) -> QWidget* {
         Trigger(t, "a_maxset");
         MaximalSetsWindow& w = t.windows.maximalSetsWindow();
         Find<QComboBox>(w, "CB_MaxSetA")->setCurrentIndex(1);
         w.showMaxSetsOfAttribute();
         w.showMaxFamily();
         return &w;
       }},
      {"decomposition",
       [](TestBench& t) -> QWidget* {
         Trigger(t, "a_dekomposition");
         DecompositionWindow& w = t.windows.decompositionWindow();
         // Splits every schema that still violates a normal form, breadth
         // first, as far as the tree takes them.
         for (int slot = 0; slot < 15; ++slot) {
           w.showSchema(slot);
           SplitByFirstColouredRow(w);
         }
         w.addUncoveredSchemas();
         w.addProjectionSchemas();
         w.showSchema(0);
         return &w;
       }},
      {"test hub", [](TestBench& t) { return Opened(t, "a_test", t.windows.exerciseHub()); }},
      {"closure exercise",
       [](TestBench& t) -> QWidget* {
         Trigger(t, "Uzaver1");
         AnswerFirstTask(t.windows.closureExercise());
         return &t.windows.closureExercise();
       }},
      {"maximal set exercise",
       [](TestBench& t) -> QWidget* {
         Trigger(t, "Maximalnimnoziny2");
         AnswerFirstTask(t.windows.maximalSetExercise());
         return &t.windows.maximalSetExercise();
       }},
      {"keys exercise",
       [](TestBench& t) -> QWidget* {
         // Draws that tick most attributes, so that candidates are long.
         for (int k = 0; k < 400; ++k)
           t.platform.randomValues.push_back(k % 5 == 4 ? 0 : 1);
         Trigger(t, "Klice2");
         t.windows.keysExercise().checkAnswer();
         return &t.windows.keysExercise();
       }},
      {"redundant attributes exercise",
       [](TestBench& t) -> QWidget* {
         Trigger(t, "Redundantniatributy2");
         t.platform.answers.push_front(MessageAnswer::No);
         t.windows.redundantAttributesExercise().checkAnswer();
         return &t.windows.redundantAttributesExercise();
       }},
      {"redundant dependencies exercise",
       [](TestBench& t) -> QWidget* {
         Trigger(t, "Redundantnizavislosti2");
         t.platform.answers.push_front(MessageAnswer::No);
         t.windows.redundantDependenciesExercise().checkAnswer();
         return &t.windows.redundantDependenciesExercise();
       }},
      {"decomposition exercise",
       [](TestBench& t) -> QWidget* {
         Trigger(t, "Dekompozice1");
         t.platform.answers.push_front(MessageAnswer::No);
         t.windows.decompositionExercise().checkAnswer();
         return &t.windows.decompositionExercise();
       }},
      {"own decomposition exercise",
       [](TestBench& t) -> QWidget* {
         Trigger(t, "VlastniDekompozice1");
         OwnDecompositionExercise& w = t.windows.ownDecompositionExercise();
         // A part of every attribute, the longest line the list can get.
         for (QCheckBox* box : Find<QGroupBox>(w, "GB_atributy")->findChildren<QCheckBox*>())
           box->setChecked(true);
         w.addPart();
         w.evaluate();
         return &w;
       }},
      {"synthesis", [](TestBench& t) -> QWidget* { return Synthesised(t); }},
      {"print",
       [](TestBench& t) -> QWidget* {
         // The report is shown without the modal loop, so that the walk can
         // look at it.
         ReportWindow& print = t.windows.reportWindow();
         for (const std::string& line : SynthesisCourse(t))
           print.addLine(QString::fromStdString(line));
         print.show();
         return &print;
       }},
  };
}

}  // namespace

class WindowWalkTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // Windows size themselves by the screen they are on: that screen must be
    // the one the walk checks them against.
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), SmallScreen);
  }

  void everythingShownIsReadable_data() {
    QTest::addColumn<QString>("schema");
    QTest::addColumn<int>("stop");
    QTest::addColumn<Language>("language");
    const std::vector<Entry> stops = Stops();
    for (const Language language : {Language::CzechAscii, Language::Czech, Language::English}) {
      for (const char* schema : {"objednavky.dbc", "velke_schema.dbc"}) {
        for (std::size_t k = 0; k < stops.size(); ++k) {
          QTest::addRow("%s %s %s", qPrintable(LanguageName(language)), schema, stops[k].name)
              << QString::fromLatin1(schema) << static_cast<int>(k) << language;
        }
      }
    }
  }

  void everythingShownIsReadable() {
    QFETCH(QString, schema);
    QFETCH(int, stop);
    QFETCH(Language, language);
    const Entry entry = Stops()[static_cast<std::size_t>(stop)];
    // Each language's texts take their own room.
    const Translators translators(language);
    TestBench t;
    for (int k = 0; k < 20; ++k)
      t.platform.answers.push_back(MessageAnswer::Yes);
    t.main().show();
    t.platform.paths.push_back(QStringLiteral(SCHEMARIO_SAMPLES "/") + schema);
    Trigger(t, "a_open_file");
    QVERIFY(!t.schema().attributes()[0].empty());
    QWidget* window = entry.stop(t);
    if (window == nullptr) QSKIP("nothing to show for this schema");
    // The notice that the schema changed must find room of its own.
    for (OutOfDateNotice* notice : window->findChildren<OutOfDateNotice*>())
      notice->ShowOutOfDate();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // Lets the layouts settle around the notice.
    QTest::qWait(10);
    QStringList faults = LegibilityFaults(*window);
    // The client area fits the window's width; only a taller one scrolls.
    for (const QScrollArea* area :
         window->findChildren<QScrollArea*>(QStringLiteral("ScrollBox"))) {
      if (area->horizontalScrollBar()->maximum() > 0)
        faults << QStringLiteral("the client area scrolls sideways");
    }
    if (!faults.isEmpty()) qWarning().noquote() << faults.join(QLatin1Char('\n'));
    QCOMPARE(faults.size(), 0);
  }

  void dependencyListsNeedNoSidewaysScrolling_data() {
    QTest::addColumn<QString>("stop");
    QTest::addColumn<QString>("memo");
    for (const auto& [stop, memo] :
         {std::pair{"main window", "Memo_Dep"}, std::pair{"closure exercise", "Memo1"},
          std::pair{"maximal set exercise", "Memo1"}, std::pair{"keys exercise", "Memo_Dep"},
          std::pair{"redundant attributes exercise", "Memo1"},
          std::pair{"redundant dependencies exercise", "Memo1"},
          std::pair{"decomposition exercise", "Memo_Dep"},
          std::pair{"own decomposition exercise", "Memo_Dep"}})
      QTest::addRow("%s", stop) << QString::fromLatin1(stop) << QString::fromLatin1(memo);
  }

  // Every list of the long schema's dependencies shows each one whole or
  // wrapped, so that none is read by scrolling sideways.
  void dependencyListsNeedNoSidewaysScrolling() {
    QFETCH(QString, stop);
    QFETCH(QString, memo);
    TestBench t;
    for (int k = 0; k < 20; ++k)
      t.platform.answers.push_back(MessageAnswer::Yes);
    t.main().show();
    t.platform.paths.push_back(QStringLiteral(SCHEMARIO_SAMPLES "/velke_schema.dbc"));
    Trigger(t, "a_open_file");
    QWidget* window = nullptr;
    for (const Entry& entry : Stops()) {
      if (stop == QLatin1String(entry.name)) window = entry.stop(t);
    }
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* list = Find<QPlainTextEdit>(*window, qPrintable(memo));
    QTRY_COMPARE(list->horizontalScrollBar()->maximum(), 0);
  }
};

QTEST_MAIN(WindowWalkTest)
#include "tst_window_walk.moc"
