#pragma once

#include <QWidget>
#include <vector>

#include "OutOfDateNotice.h"
#include "Schema.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
struct DecompositionVerdict;

// The student's own decomposition: parts are built by ticking attributes,
// and the program judges the whole decomposition as a grader would.
class TForm_Test_Own_Decomposition final : public ToolWindow {
  Q_OBJECT

 public:
  TForm_Test_Own_Decomposition(SchemaHost& host, ErrorDisplay& errors, QWidget* parent = nullptr);

  void PrepareExercise();
  void Button_PridatClick();
  void Button_OdebratClick();
  void Button_VyhodnotitClick();
  void FormClose() override;

 private:
  QString PartNames(AttributeSet part) const;
  QStringList VerdictLines(const DecompositionVerdict& verdict) const;
  QStringList ChaseTableLines(const DecompositionVerdict& verdict) const;
  void UpdateButtons();
  void FitParts();

  SchemaHost& host_;
  // Says so when the schema changed after the window copied it.
  OutOfDateNotice* notice_ = nullptr;

  // The exercise's own copy of the schema, so that the judgement refers to
  // the dependencies on screen.
  DependencyList dependencies_;
  AttributeTable attributeNames_;
  std::vector<AttributeSet> parts_;
  // One box per named attribute, and the attribute behind each.
  std::vector<QCheckBox*> attributeBoxes_;
  std::vector<AttributeIndex> shown_;

  QWidget* canvas_ = nullptr;
  QPlainTextEdit* Memo_Dep = nullptr;
  QGroupBox* GB_atributy = nullptr;
  QGridLayout* Grid_atributy = nullptr;
  QListWidget* List_casti = nullptr;
  QPushButton* Button_Pridat = nullptr;
  QPushButton* Button_Odebrat = nullptr;
  QPushButton* Button_Vyhodnotit = nullptr;
  QPlainTextEdit* Memo_Vysledek = nullptr;
};
