#pragma once

#include <QUndoStack>
#include <array>
#include <string>

#include "Decomposition.h"
#include "OutOfDateNotice.h"
#include "Platform.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class QAction;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class SchemaDetails;
class TFrame_Decomposition_Tree;
class UpDownControl;
class WrappingField;

// The decomposition window: the schema of the main window as the root of a
// tree of up to 15 schemas, the schemas added for uncovered dependencies and
// the projection schemas, and the details of one chosen schema whose
// violating dependencies split it on a double-click.
class TForm_Decomposition_2 final : public ToolWindow {
  Q_OBJECT

 public:
  TForm_Decomposition_2(SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
                        QWidget* parent = nullptr);
  ~TForm_Decomposition_2() override;

  // Takes the main window's schema as the root and starts afresh.
  void LoadSchema();

  void Frame_Decomposition_Tree1Edit1Click(int slot);
  void Input_DataClick();
  void Edit_Dep1Change(int tag);
  void UpDown1Click(int position, bool upPressed);
  void a_dekomposiceExecute();
  void a_projekceExecute();
  void a_nepokrytezavislostiExecute();
  void a_print_allExecute();
  void a_print_selectedExecute();
  void a_konecExecute();

  int ShownSlot() const { return shownSlot; }

 signals:
  // The lines of a report the student asked to print or export.
  void reportReady(const std::vector<std::string>& lines);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* MakeAction(const char* name, const QString& caption, const QString& hint,
                      void (TForm_Decomposition_2::*handler)());
  void BuildMenus();
  void BuildExtraGroups(QWidget* content);
  void BuildDetails(QWidget* content);
  void BuildTree();
  // Makes the tree's area as tall as the tree, with a sideways bar below it
  // when it is wider than the window, but no taller, so that no band of
  // empty tree background is left below it.
  void FitTreeArea();
  void FormClose() override;

  // Brings every schema field, number label, split label, connector and
  // group in line with the state.
  void ShowSchemas();
  void ShowSlot(int slot);
  void PaintSchemaField(int slot);
  // Clears the details when the schema they show is gone.
  void DropDetailsOfVanishedSchema();
  void Report(const std::vector<std::string>& lines);
  // Tells the student why a step ended as it did; silent for Done and
  // Unchanged.
  void Tell(DecompositionOutcome outcome);
  // Asks the question a step needs, if any; whether the step may go on.
  bool Agrees(DecompositionQuestion question);

  SchemaHost& host_;
  // Says so when the schema changed after the window copied it.
  OutOfDateNotice* notice_ = nullptr;
  MessageService& messages_;

  class SplitCommand;
  // Shows a state reached before, as undoing or redoing a split does.
  void RestoreState(const DecompositionState& state);

  DecompositionState state_;
  // The splits made since the tree was last changed in any other way; each
  // can be undone.
  QUndoStack splits_;
  int shownSlot = 0;
  // The number text of the schema whose details are shown.
  NumberLabel shownNumber_;

  QWidget* content_ = nullptr;
  QScrollArea* treeArea_ = nullptr;
  TFrame_Decomposition_Tree* tree_ = nullptr;
  std::array<WrappingField*, DecompositionSlots> fields_{};
  std::array<QLabel*, DecompositionSlots> numberLabels_{};

  QGroupBox* Group_Add_Dep = nullptr;
  QGroupBox* Group_Projekce = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QPlainTextEdit* Memo_ABC = nullptr;
  QWidget* Panel_Dep = nullptr;
  UpDownControl* UpDown1 = nullptr;
  QPlainTextEdit* Memo_Keys = nullptr;
  QPushButton* Button_Add_Dep = nullptr;
  QPushButton* Projection = nullptr;
  SchemaDetails* details_ = nullptr;

  QAction* a_dekomposice = nullptr;
  QAction* a_projekce = nullptr;
  QAction* a_nepokrytezavislosti = nullptr;
  QAction* a_print_all = nullptr;
  QAction* a_print_selected = nullptr;
  QAction* a_konec = nullptr;
};
