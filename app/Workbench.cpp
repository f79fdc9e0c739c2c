#include "Workbench.h"

#include "Display.h"
#include "KeysWindow.h"
#include "MaximalSetsWindow.h"
#include "RedundantAttributesWindow.h"
#include "RedundantDependenciesExercise.h"
#include "RedundantDependenciesWindow.h"
#include "SynthesisWindow.h"
#include "TForm_ABC_Input.h"
#include "TForm_About.h"
#include "TForm_Decomposition_2.h"
#include "TForm_Dep_Input.h"
#include "TForm_Main.h"
#include "TForm_Print.h"
#include "TForm_Test.h"
#include "TForm_Test_Closure.h"
#include "TForm_Test_Decomposition.h"
#include "TForm_Test_Keys.h"
#include "TForm_Test_MaxSet.h"
#include "TForm_Test_Own_Decomposition.h"
#include "TForm_Test_RedAtr.h"
#include "TForm_Test_Synteza.h"

template <typename Session, typename... Args>
Session* Workbench::MakeSession(Args&... args) {
  auto* session = new Session(args..., &sessionOwner_);
  // Whatever a session copied from the schema is out of date once it
  // changes.
  QObject::connect(&main_->Document(), &SchemaDocument::changed, session,
                   &ToolSession::markOutOfDate);
  return session;
}

template <typename Window, typename... Args>
std::unique_ptr<Window> Workbench::Create(Args&&... args) {
  auto window = std::make_unique<Window>(std::forward<Args>(args)...);
  creationOrder_.push_back(window.get());
  return window;
}

Workbench::Workbench(MessageService& messages, FileDialogService& files, PrintService& printing,
                     ErrorDisplay& errors, RandomSource& random, QSettings& settings,
                     const QString& samplesFolder)
    : messages_(messages) {
  main_ = Create<TForm_Main>(messages, files, settings, samplesFolder);
  SchemaHost& host = *main_;
  abcInput_ = Create<TForm_ABC_Input>(host, messages);
  depInput_ = Create<TForm_Dep_Input>(host, messages);
  keysWindow_ = Create<KeysWindow>(*MakeSession<KeysSession>(), host, messages, errors);
  redundantDependenciesWindow_ = Create<RedundantDependenciesWindow>(
      *MakeSession<RedundantDependenciesSession>(main_->Document()), host, messages, errors);
  redundantAttributesWindow_ = Create<RedundantAttributesWindow>(
      *MakeSession<RedundantAttributesSession>(main_->Document()), host, messages, errors);
  decomposition_ = Create<TForm_Decomposition_2>(host, messages, errors);
  synthesisWindow_ =
      Create<SynthesisWindow>(*MakeSession<SynthesisSession>(), host, messages, errors);
  about_ = Create<TForm_About>();
  maximalSetsWindow_ =
      Create<MaximalSetsWindow>(*MakeSession<MaximalSetsSession>(), host, messages, errors);
  test_ = Create<TForm_Test>();
  testClosure_ = Create<TForm_Test_Closure>(host, messages, errors);
  testMaxSet_ = Create<TForm_Test_MaxSet>(host, messages, errors);
  testKeys_ = Create<TForm_Test_Keys>(host, messages, random, errors);
  testRedAtr_ = Create<TForm_Test_RedAtr>(host, messages, errors);
  testRedDep_ = Create<RedundantDependenciesExercise>(
      *MakeSession<RedundantDependenciesExerciseSession>(), host, messages, errors);
  testDecomposition_ = Create<TForm_Test_Decomposition>(host, messages, errors);
  testSynteza_ = Create<TForm_Test_Synteza>();
  testOwnDecomposition_ = Create<TForm_Test_Own_Decomposition>(host, errors);
  print_ = Create<TForm_Print>(messages, files, printing);
  Connect();
}

void Workbench::Connect() {
  QObject::connect(main_.get(), &TForm_Main::toolRequested, main_.get(),
                   [this](Tool tool) { OpenTool(tool); });
  QObject::connect(main_.get(), &TForm_Main::exerciseRequested, main_.get(),
                   [this](Exercise exercise) { OpenExercise(exercise); });
  QObject::connect(test_.get(), &TForm_Test::exerciseRequested, test_.get(),
                   [this](Exercise exercise) { OpenExercise(exercise); });
  QObject::connect(abcInput_.get(), &TForm_ABC_Input::attributeLogReady, main_.get(),
                   &TForm_Main::AppendAttributeLog);
  QObject::connect(depInput_.get(), &TForm_Dep_Input::dependencyLogReady, main_.get(),
                   &TForm_Main::AppendDependencyLog);
  QObject::connect(redundantAttributesWindow_.get(), &RedundantAttributesWindow::dependencyLogReady,
                   main_.get(), &TForm_Main::AppendDependencyLog);
  QObject::connect(redundantDependenciesWindow_.get(),
                   &RedundantDependenciesWindow::dependencyLogReady, main_.get(),
                   &TForm_Main::AppendDependencyLog);
  const auto print = [this](const std::vector<std::string>& lines) { print_->ShowReport(lines); };
  QObject::connect(decomposition_.get(), &TForm_Decomposition_2::reportReady, print_.get(), print);
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

template <typename Window>
void OpenExerciseWindow(Window& window) {
  window.PrepareExercise();
  ShowModeless(window);
}

}  // namespace

void Workbench::OpenTool(Tool tool) {
  switch (tool) {
    case Tool::AttributeEditor:
      abcInput_->Prepare();
      abcInput_->exec();
      return;
    case Tool::DependencyEditor:
      depInput_->Prepare();
      depInput_->exec();
      return;
    case Tool::RedundantAttributes:
      ShowFindings(*redundantAttributesWindow_, redundantAttributesWindow_->load(), messages_,
                   TForm_Main::tr("Zadne redundantni atributy nejsou"));
      return;
    case Tool::RedundantDependencies:
      ShowFindings(*redundantDependenciesWindow_, redundantDependenciesWindow_->load(), messages_,
                   TForm_Main::tr("Zadne redundantni zavislosti nejsou"));
      return;
    case Tool::Keys:
      keysWindow_->load();
      ShowModeless(*keysWindow_);
      return;
    case Tool::Decomposition:
      decomposition_->LoadSchema();
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
      ShowModeless(*test_);
      return;
    case Tool::About:
      about_->exec();
      return;
  }
}

void Workbench::OpenExercise(Exercise exercise) {
  switch (exercise) {
    case Exercise::Closure:
      return OpenExerciseWindow(*testClosure_);
    case Exercise::MaximalSets:
      return OpenExerciseWindow(*testMaxSet_);
    case Exercise::Keys:
      return OpenExerciseWindow(*testKeys_);
    case Exercise::RedundantAttributes:
      return OpenExerciseWindow(*testRedAtr_);
    case Exercise::RedundantDependencies:
      testRedDep_->prepare();
      return ShowModeless(*testRedDep_);
    case Exercise::Decomposition:
      return OpenExerciseWindow(*testDecomposition_);
    case Exercise::Synthesis:
      return OpenExerciseWindow(*testSynteza_);
    case Exercise::OwnDecomposition:
      return OpenExerciseWindow(*testOwnDecomposition_);
  }
}

Workbench::~Workbench() = default;
