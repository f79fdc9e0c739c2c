#pragma once

#include <QWidget>
#include <vector>

#include "MaxSets.h"
#include "OutOfDateNotice.h"
#include "Platform.h"
#include "Schema.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The maximal-set tool: the maximal sets of one attribute through its
// left-hand-side family and transversals, the prime-attribute test, the MAX
// family of every attribute and the BCNF test.
class TForm_MaxSet final : public ToolWindow {
  Q_OBJECT

 public:
  TForm_MaxSet(SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
               QWidget* parent = nullptr);

  void LoadSchema();
  // The union of all maximal sets of the attribute in the given schema, set
  // into `result` (entries are only ever set). It is worked out apart from
  // the window, so that an open maximal sets window keeps its contents.
  static void UnionOfMaxSets(AttributeIndex attributeIndex, AttributeSet& result,
                             const DependencyList& dependencyList, const AttributeTable& names);

  void Button2Click();
  void Button1Click();
  void a_maxsetAcomputationExecute();
  void a_maxsetcomputationExecute();
  void a_primeExecute();
  void a_BCNFExecute();
  void FormClose() override;

 private:
  void BuildControls();

  SchemaHost& host_;
  // Says so when the schema changed after the window copied it.
  OutOfDateNotice* notice_ = nullptr;
  MessageService& messages_;

  AttributeTable attributeNames_;
  int attributeCount_ = 0;
  // A copy of the schema's list taken with the names, so that no computation
  // reads records the main window has replaced since, and the names and the
  // dependencies always belong together.
  DependencyList dependencies_;
  MaxSetFamily maxSets_;
  int chosenAttribute_ = 0;
  std::vector<SetNode> maxOfA_;

  QGroupBox* GroupBox1 = nullptr;
  QLabel* Label4 = nullptr;
  QComboBox* CB_MaxSetA = nullptr;
  QPushButton* Button2 = nullptr;
  QLabel* Label_lhs = nullptr;
  QPlainTextEdit* Memo_lhs = nullptr;
  QLabel* Label_TR = nullptr;
  QPlainTextEdit* Memo_TR = nullptr;
  QLabel* Label_max = nullptr;
  QPlainTextEdit* Memo_max = nullptr;
  QPushButton* Button_Prime = nullptr;
  QGroupBox* GroupBox_MAX = nullptr;
  QPlainTextEdit* Memo_MAX1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button_BCNF = nullptr;
  QAction* a_prime = nullptr;
  QAction* a_BCNF = nullptr;
  QAction* a_maxsetcomputation = nullptr;
  QAction* a_maxsetAcomputation = nullptr;
};
