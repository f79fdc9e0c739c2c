#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "ExerciseHub.h"
#include "MainWindow.h"
#include "Platform.h"

class QSettings;
class AttributeEditorDialog;
class DependencyEditorDialog;
class KeysWindow;
class RedundantDependenciesWindow;
class RedundantAttributesWindow;
class DecompositionWindow;
class SynthesisWindow;
class AboutDialog;
class DiagramWindow;
class RandomSchemaDialog;
class MaximalSetsWindow;
class ExerciseHub;
class ClosureExercise;
class MaximalSetExercise;
class KeysExercise;
class RedundantAttributesExercise;
class RedundantDependenciesExercise;
class DecompositionExercise;
class SynthesisExercise;
class OwnDecompositionExercise;
class ReportWindow;

// Owns every window of the program and connects them: windows say what they
// need by signals, and only this object knows which window answers. They
// are created once, in start-up order, and live until the program ends.
class ProgramWindows final {
 public:
  // `samplesFolder` holds the sample schemas the main window offers.
  ProgramWindows(MessageService& messages, FileDialogService& files, PrintService& printing,
                 ErrorDisplay& errors, RandomSource& random, QSettings& settings,
                 const QString& samplesFolder);
  ~ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  MainWindow& mainWindow() { return *main_; }
  AttributeEditorDialog& attributeEditor() { return *abcInput_; }
  DependencyEditorDialog& dependencyEditor() { return *depInput_; }
  KeysWindow& keysWindow() { return *keysWindow_; }
  RedundantDependenciesWindow& redundantDependenciesWindow() {
    return *redundantDependenciesWindow_;
  }
  RedundantAttributesWindow& redundantAttributesWindow() { return *redundantAttributesWindow_; }
  DecompositionWindow& decompositionWindow() { return *decomposition_; }
  SynthesisWindow& synthesisWindow() { return *synthesisWindow_; }
  AboutDialog& aboutDialog() { return *about_; }
  DiagramWindow& diagramWindow() { return *diagram_; }
  RandomSchemaDialog& randomSchemaDialog() { return *randomSchema_; }
  MaximalSetsWindow& maximalSetsWindow() { return *maximalSetsWindow_; }
  ExerciseHub& exerciseHub() { return *exerciseHub_; }
  ClosureExercise& closureExercise() { return *closureExercise_; }
  MaximalSetExercise& maximalSetExercise() { return *maximalSetExercise_; }
  KeysExercise& keysExercise() { return *keysExercise_; }
  RedundantAttributesExercise& redundantAttributesExercise() {
    return *redundantAttributesExercise_;
  }
  RedundantDependenciesExercise& redundantDependenciesExercise() { return *testRedDep_; }
  DecompositionExercise& decompositionExercise() { return *decompositionExercise_; }
  SynthesisExercise& synthesisExercise() { return *synthesisExercise_; }
  OwnDecompositionExercise& ownDecompositionExercise() { return *ownDecompositionExercise_; }
  ReportWindow& reportWindow() { return *print_; }

  // The windows in the order they were created.
  const std::vector<QWidget*>& CreationOrder() const { return creationOrder_; }

 private:
  void Connect();
  void showDiagramOfSchema();
  void OpenTool(Tool tool);
  void OpenExercise(Exercise exercise);

  template <typename Window, typename... Args>
  std::unique_ptr<Window> Create(Args&&... args);
  // A session of a window, told of every change of the live schema; `args`
  // are the services it is given.
  template <typename Session, typename... Args>
  Session* MakeSession(Args&&... args);

  MessageService& messages_;
  std::vector<QWidget*> creationOrder_;
  // Owns the sessions; made first, so that it is destroyed after the
  // windows that show them.
  QObject sessionOwner_;
  // Destroyed in reverse order, so the tool windows go before the main window
  // that owns the schema they may point at.
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<AttributeEditorDialog> abcInput_;
  std::unique_ptr<DependencyEditorDialog> depInput_;
  std::unique_ptr<KeysWindow> keysWindow_;
  std::unique_ptr<RedundantDependenciesWindow> redundantDependenciesWindow_;
  std::unique_ptr<RedundantAttributesWindow> redundantAttributesWindow_;
  std::unique_ptr<DecompositionWindow> decomposition_;
  std::unique_ptr<SynthesisWindow> synthesisWindow_;
  std::unique_ptr<AboutDialog> about_;
  std::unique_ptr<DiagramWindow> diagram_;
  std::unique_ptr<RandomSchemaDialog> randomSchema_;
  // Whether the diagram shows the live schema, and so follows its changes.
  bool diagramShowsLiveSchema_ = true;
  std::unique_ptr<MaximalSetsWindow> maximalSetsWindow_;
  std::unique_ptr<ExerciseHub> exerciseHub_;
  std::unique_ptr<ClosureExercise> closureExercise_;
  std::unique_ptr<MaximalSetExercise> maximalSetExercise_;
  std::unique_ptr<KeysExercise> keysExercise_;
  std::unique_ptr<RedundantAttributesExercise> redundantAttributesExercise_;
  std::unique_ptr<RedundantDependenciesExercise> testRedDep_;
  std::unique_ptr<DecompositionExercise> decompositionExercise_;
  std::unique_ptr<SynthesisExercise> synthesisExercise_;
  std::unique_ptr<OwnDecompositionExercise> ownDecompositionExercise_;
  std::unique_ptr<ReportWindow> print_;
};
