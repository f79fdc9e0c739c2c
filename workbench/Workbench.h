#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "Platform.h"
#include "WindowDirectory.h"

class QSettings;
class TForm_Main;

// Owns every window of the program. They are created once, in start-up
// order, and live until the program ends.
class Workbench final : public WindowDirectory {
 public:
  Workbench(MessageService& messages, FileDialogService& files, PrintService& printing,
            ErrorDisplay& errors, RandomSource& random, QSettings& settings);
  ~Workbench() override;
  Workbench(const Workbench&) = delete;
  Workbench& operator=(const Workbench&) = delete;

  TForm_Main& Main() override { return *main_; }
  TForm_ABC_Input& AbcInput() override { return *abcInput_; }
  TForm_Dep_Input& DepInput() override { return *depInput_; }
  TForm_Keys& Keys() override { return *keys_; }
  TForm_Redundant_Dependency& RedundantDependency() override { return *redundantDependency_; }
  TForm_Redundant_Attributes& RedundantAttributes() override { return *redundantAttributes_; }
  TForm_Decomposition_2& Decomposition() override { return *decomposition_; }
  TForm_Synteza_2& Synteza() override { return *synteza_; }
  TForm_About& About() override { return *about_; }
  TForm_MaxSet& MaxSet() override { return *maxSet_; }
  TForm_Test& Test() override { return *test_; }
  TForm_Test_Closure& TestClosure() override { return *testClosure_; }
  TForm_Test_MaxSet& TestMaxSet() override { return *testMaxSet_; }
  TForm_Test_Keys& TestKeys() override { return *testKeys_; }
  TForm_Test_RedAtr& TestRedAtr() override { return *testRedAtr_; }
  TForm_Test_RedDep& TestRedDep() override { return *testRedDep_; }
  TForm_Test_Decomposition& TestDecomposition() override { return *testDecomposition_; }
  TForm_Test_Synteza& TestSynteza() override { return *testSynteza_; }
  TForm_Test_Own_Decomposition& TestOwnDecomposition() override { return *testOwnDecomposition_; }
  TForm_Print& Print() override { return *print_; }
  TFrame_Decomposition_Tree& DecompositionTree() override { return *decompositionTree_; }

  // The windows in the order they were created.
  const std::vector<QWidget*>& CreationOrder() const { return creationOrder_; }

 private:
  template <typename Window, typename... Args>
  std::unique_ptr<Window> Create(Args&&... args);

  std::vector<QWidget*> creationOrder_;
  // Destroyed in reverse order, so the tool windows go before the main window
  // that owns the schema they may point at.
  std::unique_ptr<TForm_Main> main_;
  std::unique_ptr<TForm_ABC_Input> abcInput_;
  std::unique_ptr<TForm_Dep_Input> depInput_;
  std::unique_ptr<TForm_Keys> keys_;
  std::unique_ptr<TForm_Redundant_Dependency> redundantDependency_;
  std::unique_ptr<TForm_Redundant_Attributes> redundantAttributes_;
  std::unique_ptr<TForm_Decomposition_2> decomposition_;
  std::unique_ptr<TForm_Synteza_2> synteza_;
  std::unique_ptr<TForm_About> about_;
  std::unique_ptr<TForm_MaxSet> maxSet_;
  std::unique_ptr<TForm_Test> test_;
  std::unique_ptr<TForm_Test_Closure> testClosure_;
  std::unique_ptr<TForm_Test_MaxSet> testMaxSet_;
  std::unique_ptr<TForm_Test_Keys> testKeys_;
  std::unique_ptr<TForm_Test_RedAtr> testRedAtr_;
  std::unique_ptr<TForm_Test_RedDep> testRedDep_;
  std::unique_ptr<TForm_Test_Decomposition> testDecomposition_;
  std::unique_ptr<TForm_Test_Synteza> testSynteza_;
  std::unique_ptr<TForm_Test_Own_Decomposition> testOwnDecomposition_;
  std::unique_ptr<TForm_Print> print_;
  std::unique_ptr<TFrame_Decomposition_Tree> decompositionTree_;
};
