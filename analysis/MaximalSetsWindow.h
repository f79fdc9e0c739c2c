#pragma once

#include <QWidget>

#include "MaximalSetsSession.h"
#include "Platform.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class DataMemo;
class QPushButton;

// The maximal-set tool: the maximal sets of one attribute through its
// left-hand-side family and transversals, the prime-attribute test, the MAX
// family of every attribute and the BCNF test. A view of its session.
class MaximalSetsWindow final : public ToolWindow {
  Q_OBJECT

 public:
  MaximalSetsWindow(MaximalSetsSession& session, SchemaHost& host, MessageService& messages,
                    ErrorDisplay& errors, QWidget* parent = nullptr);

  // Starts afresh on the live schema.
  void load();
  // The maximal sets of the attribute chosen in the list, in emptied memos.
  void showMaxSetsOfAttribute();
  // The MAX family, listed below what the memo holds.
  void showMaxFamily();
  void tellWhetherPrime();
  void tellWhetherBcnf();

 protected:
  void resetWindow() override;

 private:
  void BuildControls();
  // Computes the chosen attribute's maximal sets and lists them below what
  // the memos hold.
  void listChosenAttribute();

  MaximalSetsSession& session_;
  SchemaHost& host_;
  MessageService& messages_;

  QGroupBox* GroupBox1 = nullptr;
  QLabel* Label4 = nullptr;
  QComboBox* CB_MaxSetA = nullptr;
  QPushButton* Button2 = nullptr;
  QLabel* Label_lhs = nullptr;
  DataMemo* Memo_lhs = nullptr;
  QLabel* Label_TR = nullptr;
  DataMemo* Memo_TR = nullptr;
  QLabel* Label_max = nullptr;
  DataMemo* Memo_max = nullptr;
  QPushButton* Button_Prime = nullptr;
  QGroupBox* GroupBox_MAX = nullptr;
  DataMemo* Memo_MAX1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button_BCNF = nullptr;
  QAction* a_prime = nullptr;
  QAction* a_BCNF = nullptr;
  QAction* a_maxsetcomputation = nullptr;
  QAction* a_maxsetAcomputation = nullptr;
};
