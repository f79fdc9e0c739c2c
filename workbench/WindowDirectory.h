#pragma once

class TForm_Main;
class TForm_ABC_Input;
class TForm_Dep_Input;
class TForm_Keys;
class TForm_Redundant_Dependency;
class TForm_Redundant_Attributes;
class TForm_Decomposition_2;
class TForm_Synteza_2;
class TForm_About;
class TForm_MaxSet;
class TForm_Test;
class TForm_Test_Closure;
class TForm_Test_MaxSet;
class TForm_Test_Keys;
class TForm_Test_RedAtr;
class TForm_Test_RedDep;
class TForm_Test_Decomposition;
class TForm_Test_Synteza;
class TForm_Test_Own_Decomposition;
class TForm_Print;
class TFrame_Decomposition_Tree;

// The program's windows, each created once at start-up. Windows look their
// siblings up here when they need them, since some are created after them.
class WindowDirectory {
 public:
  virtual ~WindowDirectory() = default;
  virtual TForm_Main& Main() = 0;
  virtual TForm_ABC_Input& AbcInput() = 0;
  virtual TForm_Dep_Input& DepInput() = 0;
  virtual TForm_Keys& Keys() = 0;
  virtual TForm_Redundant_Dependency& RedundantDependency() = 0;
  virtual TForm_Redundant_Attributes& RedundantAttributes() = 0;
  virtual TForm_Decomposition_2& Decomposition() = 0;
  virtual TForm_Synteza_2& Synteza() = 0;
  virtual TForm_About& About() = 0;
  virtual TForm_MaxSet& MaxSet() = 0;
  virtual TForm_Test& Test() = 0;
  virtual TForm_Test_Closure& TestClosure() = 0;
  virtual TForm_Test_MaxSet& TestMaxSet() = 0;
  virtual TForm_Test_Keys& TestKeys() = 0;
  virtual TForm_Test_RedAtr& TestRedAtr() = 0;
  virtual TForm_Test_RedDep& TestRedDep() = 0;
  virtual TForm_Test_Decomposition& TestDecomposition() = 0;
  virtual TForm_Test_Synteza& TestSynteza() = 0;
  virtual TForm_Test_Own_Decomposition& TestOwnDecomposition() = 0;
  virtual TForm_Print& Print() = 0;
  virtual TFrame_Decomposition_Tree& DecompositionTree() = 0;
};
