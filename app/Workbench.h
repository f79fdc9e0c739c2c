#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "Platform.h"
#include "TForm_Main.h"
#include "TForm_Test.h"

class QSettings;
class TForm_ABC_Input;
class TForm_Dep_Input;
class KeysWindow;
class RedundantDependenciesWindow;
class RedundantAttributesWindow;
class TForm_Decomposition_2;
class SynthesisWindow;
class TForm_About;
class MaximalSetsWindow;
class TForm_Test;
class TForm_Test_Closure;
class TForm_Test_MaxSet;
class TForm_Test_Keys;
class TForm_Test_RedAtr;
class RedundantDependenciesExercise;
class TForm_Test_Decomposition;
class TForm_Test_Synteza;
class TForm_Test_Own_Decomposition;
class TForm_Print;

// Owns every window of the program and connects them: windows say what they
// need by signals, and only this object knows which window answers. They
// are created once, in start-up order, and live until the program ends.
class Workbench final {
 public:
  // `samplesFolder` holds the sample schemas the main window offers.
  Workbench(MessageService& messages, FileDialogService& files, PrintService& printing,
            ErrorDisplay& errors, RandomSource& random, QSettings& settings,
            const QString& samplesFolder);
  ~Workbench();
  Workbench(const Workbench&) = delete;
  Workbench& operator=(const Workbench&) = delete;

  TForm_Main& Main() { return *main_; }
  TForm_ABC_Input& AbcInput() { return *abcInput_; }
  TForm_Dep_Input& DepInput() { return *depInput_; }
  KeysWindow& keysWindow() { return *keysWindow_; }
  RedundantDependenciesWindow& redundantDependenciesWindow() {
    return *redundantDependenciesWindow_;
  }
  RedundantAttributesWindow& redundantAttributesWindow() { return *redundantAttributesWindow_; }
  TForm_Decomposition_2& Decomposition() { return *decomposition_; }
  SynthesisWindow& synthesisWindow() { return *synthesisWindow_; }
  TForm_About& About() { return *about_; }
  MaximalSetsWindow& maximalSetsWindow() { return *maximalSetsWindow_; }
  TForm_Test& Test() { return *test_; }
  TForm_Test_Closure& TestClosure() { return *testClosure_; }
  TForm_Test_MaxSet& TestMaxSet() { return *testMaxSet_; }
  TForm_Test_Keys& TestKeys() { return *testKeys_; }
  TForm_Test_RedAtr& TestRedAtr() { return *testRedAtr_; }
  RedundantDependenciesExercise& redundantDependenciesExercise() { return *testRedDep_; }
  TForm_Test_Decomposition& TestDecomposition() { return *testDecomposition_; }
  TForm_Test_Synteza& TestSynteza() { return *testSynteza_; }
  TForm_Test_Own_Decomposition& TestOwnDecomposition() { return *testOwnDecomposition_; }
  TForm_Print& Print() { return *print_; }

  // The windows in the order they were created.
  const std::vector<QWidget*>& CreationOrder() const { return creationOrder_; }

 private:
  void Connect();
  void OpenTool(Tool tool);
  void OpenExercise(Exercise exercise);

  template <typename Window, typename... Args>
  std::unique_ptr<Window> Create(Args&&... args);
  // A session of a window, told of every change of the live schema; `args`
  // go to its constructor.
  template <typename Session, typename... Args>
  Session* MakeSession(Args&... args);

  MessageService& messages_;
  std::vector<QWidget*> creationOrder_;
  // Owns the sessions; made first, so that it is destroyed after the
  // windows that show them.
  QObject sessionOwner_;
  // Destroyed in reverse order, so the tool windows go before the main window
  // that owns the schema they may point at.
  std::unique_ptr<TForm_Main> main_;
  std::unique_ptr<TForm_ABC_Input> abcInput_;
  std::unique_ptr<TForm_Dep_Input> depInput_;
  std::unique_ptr<KeysWindow> keysWindow_;
  std::unique_ptr<RedundantDependenciesWindow> redundantDependenciesWindow_;
  std::unique_ptr<RedundantAttributesWindow> redundantAttributesWindow_;
  std::unique_ptr<TForm_Decomposition_2> decomposition_;
  std::unique_ptr<SynthesisWindow> synthesisWindow_;
  std::unique_ptr<TForm_About> about_;
  std::unique_ptr<MaximalSetsWindow> maximalSetsWindow_;
  std::unique_ptr<TForm_Test> test_;
  std::unique_ptr<TForm_Test_Closure> testClosure_;
  std::unique_ptr<TForm_Test_MaxSet> testMaxSet_;
  std::unique_ptr<TForm_Test_Keys> testKeys_;
  std::unique_ptr<TForm_Test_RedAtr> testRedAtr_;
  std::unique_ptr<RedundantDependenciesExercise> testRedDep_;
  std::unique_ptr<TForm_Test_Decomposition> testDecomposition_;
  std::unique_ptr<TForm_Test_Synteza> testSynteza_;
  std::unique_ptr<TForm_Test_Own_Decomposition> testOwnDecomposition_;
  std::unique_ptr<TForm_Print> print_;
};
