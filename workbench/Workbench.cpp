#include "Workbench.h"

#include "TForm_ABC_Input.h"
#include "TForm_About.h"
#include "TForm_Decomposition_2.h"
#include "TForm_Dep_Input.h"
#include "TForm_Keys.h"
#include "TForm_Main.h"
#include "TForm_MaxSet.h"
#include "TForm_Print.h"
#include "TForm_Redundant_Attributes.h"
#include "TForm_Redundant_Dependency.h"
#include "TForm_Synteza_2.h"
#include "TForm_Test.h"
#include "TForm_Test_Closure.h"
#include "TForm_Test_Decomposition.h"
#include "TForm_Test_Keys.h"
#include "TForm_Test_MaxSet.h"
#include "TForm_Test_Own_Decomposition.h"
#include "TForm_Test_RedAtr.h"
#include "TForm_Test_RedDep.h"
#include "TForm_Test_Synteza.h"
#include "TFrame_Decomposition_Tree.h"

template <typename Window, typename... Args>
std::unique_ptr<Window> Workbench::Create(Args&&... args) {
  auto window = std::make_unique<Window>(std::forward<Args>(args)...);
  creationOrder_.push_back(window.get());
  return window;
}

Workbench::Workbench(MessageService& messages, FileDialogService& files, PrintService& printing,
                     ErrorDisplay& errors, RandomSource& random, QSettings& settings) {
  main_ = Create<TForm_Main>(*this, messages, files, settings);
  SchemaHost& host = *main_;
  abcInput_ = Create<TForm_ABC_Input>(host, messages);
  depInput_ = Create<TForm_Dep_Input>(host, messages);
  keys_ = Create<TForm_Keys>(host, messages);
  redundantDependency_ = Create<TForm_Redundant_Dependency>(host, messages);
  redundantAttributes_ = Create<TForm_Redundant_Attributes>(host, messages);
  decomposition_ = Create<TForm_Decomposition_2>(host, *this, messages, errors);
  synteza_ = Create<TForm_Synteza_2>(host, *this, messages);
  about_ = Create<TForm_About>();
  maxSet_ = Create<TForm_MaxSet>(host, messages);
  test_ = Create<TForm_Test>(*this);
  testClosure_ = Create<TForm_Test_Closure>(host, messages);
  testMaxSet_ = Create<TForm_Test_MaxSet>(host, messages);
  testKeys_ = Create<TForm_Test_Keys>(host, messages, random);
  testRedAtr_ = Create<TForm_Test_RedAtr>(host, messages);
  testRedDep_ = Create<TForm_Test_RedDep>(host, messages);
  testDecomposition_ = Create<TForm_Test_Decomposition>(host, messages);
  testSynteza_ = Create<TForm_Test_Synteza>();
  testOwnDecomposition_ = Create<TForm_Test_Own_Decomposition>(host);
  print_ = Create<TForm_Print>(messages, files, printing);
  decompositionTree_ = Create<TFrame_Decomposition_Tree>();
}

Workbench::~Workbench() = default;
