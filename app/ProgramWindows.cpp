#include "ProgramWindows.h"

#include "AboutDialog.h"
#include "AttributeEditorDialog.h"
#include "ClosureExercise.h"
#include "DecompositionExercise.h"
#include "DecompositionWindow.h"
#include "DependencyEditorDialog.h"
#include "DiagramWindow.h"
#include "Display.h"
#include "ExerciseHub.h"
#include "KeysExercise.h"
#include "KeysWindow.h"
#include "MainWindow.h"
#include "MaximalSetExercise.h"
#include "MaximalSetsWindow.h"
#include "MinimalCover.h"
#include "OwnDecompositionExercise.h"
#include "RandomSchemaDialog.h"
#include "RedundantAttributesExercise.h"
#include "RedundantAttributesWindow.h"
#include "RedundantDependenciesExercise.h"
#include "RedundantDependenciesWindow.h"
#include "ReportWindow.h"
#include "SynthesisExercise.h"
#include "SynthesisWindow.h"

template <typename Session, typename... Args>
Session* ProgramWindows::MakeSession(Args&&... args) {
  auto* session = new Session(std::forward<Args>(args)..., &sessionOwner_);
  // Whatever a session copied from the schema is out of date once it
  // changes.
  QObject::connect(&main_->Document(), &SchemaDocument::changed, session,
                   &ToolSession::markOutOfDate);
  return session;
}

template <typename Window, typename... Args>
std::unique_ptr<Window> ProgramWindows::Create(Args&&... args) {
  auto window = std::make_unique<Window>(std::forward<Args>(args)...);
  creationOrder_.push_back(window.get());
  return window;
}

ProgramWindows::ProgramWindows(MessageService& messages, FileDialogService& files,
                               PrintService& printing, ErrorDisplay& errors, RandomSource& random,
                               QSettings& settings, const QString& samplesFolder)
    : messages_(messages) {
  main_ = Create<MainWindow>(messages, files, errors, settings, samplesFolder);
  SchemaHost& host = *main_;
  abcInput_ = Create<AttributeEditorDialog>(*MakeSession<AttributeEditorSession>(), host, messages);
  depInput_ =
      Create<DependencyEditorDialog>(*MakeSession<DependencyEditorSession>(), host, messages);
  keysWindow_ = Create<KeysWindow>(*MakeSession<KeysSession>(), host, messages, errors);
  redundantDependenciesWindow_ = Create<RedundantDependenciesWindow>(
      *MakeSession<RedundantDependenciesSession>(main_->Document()), host, messages, errors);
  redundantAttributesWindow_ = Create<RedundantAttributesWindow>(
      *MakeSession<RedundantAttributesSession>(main_->Document()), host, messages, errors);
  decomposition_ =
      Create<DecompositionWindow>(*MakeSession<DecompositionSession>(), host, messages, errors);
  synthesisWindow_ =
      Create<SynthesisWindow>(*MakeSession<SynthesisSession>(), host, messages, errors);
  about_ = Create<AboutDialog>();
  diagram_ = Create<DiagramWindow>(messages, files, errors);
  randomSchema_ = Create<RandomSchemaDialog>(random);
  maximalSetsWindow_ =
      Create<MaximalSetsWindow>(*MakeSession<MaximalSetsSession>(), host, messages, errors);
  exerciseHub_ = Create<ExerciseHub>();
  closureExercise_ = Create<ClosureExercise>(*MakeSession<ClosureExerciseSession>(), host, random,
                                             messages, errors);
  maximalSetExercise_ = Create<MaximalSetExercise>(*MakeSession<MaximalSetExerciseSession>(), host,
                                                   random, messages, errors);
  keysExercise_ = Create<KeysExercise>(*MakeSession<KeysExerciseSession>(random), host, random,
                                       messages, errors);
  redundantAttributesExercise_ = Create<RedundantAttributesExercise>(
      *MakeSession<RedundantAttributesExerciseSession>(), host, random, messages, errors);
  testRedDep_ = Create<RedundantDependenciesExercise>(
      *MakeSession<RedundantDependenciesExerciseSession>(), host, random, messages, errors);
  decompositionExercise_ = Create<DecompositionExercise>(
      *MakeSession<DecompositionExerciseSession>(), host, random, messages, errors);
  synthesisExercise_ = Create<SynthesisExercise>();
  ownDecompositionExercise_ = Create<OwnDecompositionExercise>(
      *MakeSession<OwnDecompositionExerciseSession>(), host, random, messages, errors);
  print_ = Create<ReportWindow>(messages, files, printing);
  Connect();
}

void ProgramWindows::showDiagramOfSchema() {
  diagramShowsLiveSchema_ = true;
  const SchemaDocument& document = main_->Document();
  diagram_->showSchema(document.attributes(), document.dependencies(), document.title());
}

void ProgramWindows::Connect() {
  // The picture is cheap to draw, so an open diagram follows every change
  // instead of going out of date.
  QObject::connect(&main_->Document(), &SchemaDocument::changed, diagram_.get(), [this] {
    if (diagramShowsLiveSchema_ && diagram_->isVisible()) showDiagramOfSchema();
  });
  // A part of a decomposition or synthesis stays as it was made.
  const auto showPart = [this](const Schema& schema, const QString& title) {
    diagramShowsLiveSchema_ = false;
    diagram_->showSchema(schema.attributes, schema.dependencies, title);
    ShowModeless(*diagram_);
  };
  QObject::connect(decomposition_.get(), &DecompositionWindow::diagramRequested, diagram_.get(),
                   showPart);
  QObject::connect(synthesisWindow_.get(), &SynthesisWindow::diagramRequested, diagram_.get(),
                   showPart);
  QObject::connect(main_.get(), &MainWindow::toolRequested, main_.get(),
                   [this](Tool tool) { OpenTool(tool); });
  QObject::connect(main_.get(), &MainWindow::exerciseRequested, main_.get(),
                   [this](Exercise exercise) { OpenExercise(exercise); });
  QObject::connect(exerciseHub_.get(), &ExerciseHub::exerciseRequested, exerciseHub_.get(),
                   [this](Exercise exercise) { OpenExercise(exercise); });
  QObject::connect(abcInput_.get(), &AttributeEditorDialog::attributeLogReady, main_.get(),
                   &MainWindow::appendAttributeLog);
  QObject::connect(depInput_.get(), &DependencyEditorDialog::dependencyLogReady, main_.get(),
                   &MainWindow::appendDependencyLog);
  QObject::connect(redundantAttributesWindow_.get(), &RedundantAttributesWindow::dependencyLogReady,
                   main_.get(), &MainWindow::appendDependencyLog);
  QObject::connect(redundantDependenciesWindow_.get(),
                   &RedundantDependenciesWindow::dependencyLogReady, main_.get(),
                   &MainWindow::appendDependencyLog);
  const auto print = [this](const Report& report, const Schema& schema) {
    print_->showReport(report, schema);
  };
  QObject::connect(decomposition_.get(), &DecompositionWindow::reportReady, print_.get(), print);
  QObject::connect(synthesisWindow_.get(), &SynthesisWindow::reportReady, print_.get(), print);
}

namespace {

// The redundancy windows show only when there is something to delete.
void ShowFindings(QWidget& window, bool found, MessageService& messages,
                  const QString& nothingFound) {
  if (found) {
    ShowModeless(window);
  } else {
    // Loading emptied a window that may still be open.
    window.hide();
    messages.Inform(nothingFound);
  }
}

}  // namespace

void ProgramWindows::OpenTool(Tool tool) {
  switch (tool) {
    case Tool::AttributeEditor:
      abcInput_->prepare();
      abcInput_->exec();
      return;
    case Tool::DependencyEditor:
      depInput_->prepare();
      depInput_->exec();
      return;
    case Tool::RedundantAttributes:
      ShowFindings(*redundantAttributesWindow_, redundantAttributesWindow_->load(), messages_,
                   MainWindow::tr("Zadne redundantni atributy nejsou"));
      return;
    case Tool::RedundantDependencies:
      ShowFindings(*redundantDependenciesWindow_, redundantDependenciesWindow_->load(), messages_,
                   MainWindow::tr("Zadne redundantni zavislosti nejsou"));
      return;
    case Tool::Keys:
      keysWindow_->load();
      ShowModeless(*keysWindow_);
      return;
    case Tool::Decomposition:
      decomposition_->loadSchema();
      ShowModeless(*decomposition_);
      return;
    case Tool::Synthesis:
      synthesisWindow_->load();
      ShowModeless(*synthesisWindow_);
      return;
    case Tool::MaximalSets:
      maximalSetsWindow_->load();
      ShowModeless(*maximalSetsWindow_);
      return;
    case Tool::ExerciseHub:
      ShowModeless(*exerciseHub_);
      return;
    case Tool::Diagram:
      showDiagramOfSchema();
      ShowModeless(*diagram_);
      return;
    case Tool::RandomSchema:
      randomSchema_->prepare();
      if (randomSchema_->exec() == QDialog::Accepted && randomSchema_->schema()) {
        const Schema& made = randomSchema_->schema()->schema;
        main_->openNewSchema(made.attributes, made.dependencies, MainWindow::tr("Nahodne schema"));
      }
      return;
    case Tool::About:
      about_->exec();
      return;
  }
}

void ProgramWindows::OpenExercise(Exercise exercise) {
  switch (exercise) {
    case Exercise::Closure:
      closureExercise_->prepare();
      return ShowModeless(*closureExercise_);
    case Exercise::MaximalSets:
      maximalSetExercise_->prepare();
      return ShowModeless(*maximalSetExercise_);
    case Exercise::Keys:
      keysExercise_->prepare();
      return ShowModeless(*keysExercise_);
    case Exercise::RedundantAttributes:
      redundantAttributesExercise_->prepare();
      return ShowModeless(*redundantAttributesExercise_);
    case Exercise::RedundantDependencies:
      testRedDep_->prepare();
      return ShowModeless(*testRedDep_);
    case Exercise::Decomposition:
      decompositionExercise_->prepare();
      return ShowModeless(*decompositionExercise_);
    case Exercise::Synthesis:
      return ShowModeless(*synthesisExercise_);
    case Exercise::OwnDecomposition:
      ownDecompositionExercise_->prepare();
      return ShowModeless(*ownDecompositionExercise_);
  }
}

ProgramWindows::~ProgramWindows() = default;
