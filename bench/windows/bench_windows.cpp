// How long each window takes to open and fill on the largest schema the
// program holds, on the offscreen platform: the time from the command to a
// window laid out and painted once.
//   schemario_window_bench [google-benchmark flags]

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "AttributeEditorDialog.h"
#include "ClosureExercise.h"
#include "DecompositionExercise.h"
#include "DecompositionWindow.h"
#include "DependencyEditorDialog.h"
#include "ExerciseHub.h"
#include "KeysExercise.h"
#include "KeysWindow.h"
#include "MainWindow.h"
#include "MaximalSetExercise.h"
#include "MaximalSetsWindow.h"
#include "RedundantAttributesExercise.h"
#include "RedundantAttributesWindow.h"
#include "RedundantDependenciesExercise.h"
#include "RedundantDependenciesWindow.h"
#include "ReportWindow.h"
#include "ScriptedProgram.h"
#include "SynthesisWindow.h"

namespace {

// The program's windows with the worst-case schema open.
struct Bench : ScriptedProgram {
  // What the print window shows: the course of the whole schema's synthesis.
  std::vector<std::string> report;

  Bench() {
    windows.mainWindow().show();
    OpenSchema();
    SynthesisSession synthesis;
    synthesis.load(windows.mainWindow().Document().schema());
    synthesis.splitByLeftSides();
    synthesis.mergeEquivalentKeys(EarlierProjections::Undo);
    synthesis.absorbProjections();
    report = TextLines(synthesis.courseReport());
  }
  void OpenSchema() {
    platform.paths.push_back(QStringLiteral(SCHEMARIO_SAMPLES "/velke_schema.dbc"));
    Trigger("a_open_file");
  }
  void Trigger(const char* action) {
    windows.mainWindow().findChild<QAction*>(QString::fromLatin1(action))->trigger();
  }
};

// Opens the window by `open`, which returns it, paints it once and closes
// it again, so that every round fills it afresh.
void Measure(benchmark::State& state, Bench& bench, const std::function<QWidget*(Bench&)>& open) {
  for (auto _ : state) {
    for (int k = 0; k < 50; ++k)
      bench.platform.answers.push_back(MessageAnswer::Yes);
    QWidget* window = open(bench);
    window->grab();
    state.PauseTiming();
    // Closing the main window would end the program and empty the schema
    // every later window is filled from.
    if (window != &bench.windows.mainWindow()) window->close();
    bench.platform.answers.clear();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}

template <typename Window>
QWidget* Shown(Window& window) {
  window.show();
  return &window;
}

// Opens a window by the main window's action and nothing more.
template <typename Window>
std::function<QWidget*(Bench&)> ByAction(const char* action, Window& (ProgramWindows::*window)()) {
  return [action, window](Bench& b) -> QWidget* {
    b.Trigger(action);
    return &(b.windows.*window)();
  };
}

void Register(Bench& bench) {
  const std::pair<const char*, std::function<QWidget*(Bench&)>> windows[] = {
      {"main window",
       [](Bench& b) {
         // Opening the file again fills the main window's lists afresh.
         b.OpenSchema();
         return Shown(b.windows.mainWindow());
       }},
      {"attribute editor",
       [](Bench& b) {
         b.windows.attributeEditor().prepare();
         return Shown(b.windows.attributeEditor());
       }},
      {"dependency editor",
       [](Bench& b) {
         b.windows.dependencyEditor().prepare();
         return Shown(b.windows.dependencyEditor());
       }},
      {"keys",
       [](Bench& b) -> QWidget* {
         b.Trigger("a_keys");
         // Every key, each in its own field.
         b.windows.keysWindow().showFirstKey();
         b.windows.keysWindow().showFurtherKeys();
         return &b.windows.keysWindow();
       }},
      {"redundant attributes",
       ByAction("a_red_atributes", &ProgramWindows::redundantAttributesWindow)},
      {"redundant dependencies",
       ByAction("a_red_dependencies", &ProgramWindows::redundantDependenciesWindow)},
      {"maximal sets", ByAction("a_maxset", &ProgramWindows::maximalSetsWindow)},
      {"decomposition",
       [](Bench& b) -> QWidget* {
         b.Trigger("a_dekomposition");
         // The whole schema's details: a row for every dependency.
         b.windows.decompositionWindow().showSchema(0);
         return &b.windows.decompositionWindow();
       }},
      {"synthesis",
       [](Bench& b) -> QWidget* {
         b.Trigger("a_synthesis");
         SynthesisWindow& w = b.windows.synthesisWindow();
         w.splitByLeftSides();
         w.mergeEquivalentKeys();
         w.absorbProjections();
         w.showSchemaDetails(0);
         return &w;
       }},
      {"print",
       [](Bench& b) -> QWidget* {
         ReportWindow& print = b.windows.reportWindow();
         for (const std::string& line : b.report)
           print.addLine(QString::fromStdString(line));
         return Shown(print);
       }},
      {"test hub", ByAction("a_test", &ProgramWindows::exerciseHub)},
      {"closure exercise", ByAction("Uzaver1", &ProgramWindows::closureExercise)},
      {"maximal set exercise", ByAction("Maximalnimnoziny2", &ProgramWindows::maximalSetExercise)},
      {"keys exercise", ByAction("Klice2", &ProgramWindows::keysExercise)},
      {"redundant attributes exercise",
       ByAction("Redundantniatributy2", &ProgramWindows::redundantAttributesExercise)},
      {"redundant dependencies exercise",
       ByAction("Redundantnizavislosti2", &ProgramWindows::redundantDependenciesExercise)},
      {"decomposition exercise", ByAction("Dekompozice1", &ProgramWindows::decompositionExercise)},
  };
  for (const auto& window : windows) {
    // The opener captured by an init-capture: clang, and so clang-tidy,
    // cannot capture a structured binding.
    benchmark::RegisterBenchmark(window.first, [&bench,
                                                open = window.second](benchmark::State& state) {
      Measure(state, bench, open);
    })->Unit(benchmark::kMillisecond);
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // The offscreen platform's notes on every raised window would bury the
  // table.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type >= QtCriticalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  benchmark::Initialize(&argc, argv);
  // The windows go before the application does.
  Bench bench;
  Register(bench);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
