#pragma once

#include <string>
#include <vector>

#include "DecompositionSession.h"
#include "OutOfDateNotice.h"
#include "Platform.h"
#include "ReportFormats.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class QAction;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class RowPanel;
class SchemaDetails;
class DecompositionTreeView;
class UpDownControl;
class WrappingField;

// The decomposition window, a view of its session: the schema of the main
// window as the root of a tree of up to 15 schemas, below it as many schemas
// added for uncovered dependencies and projection schemas as the steps
// made, and the details of one chosen schema whose violating dependencies
// split it on a double-click.
class DecompositionWindow final : public ToolWindow {
  Q_OBJECT

 public:
  DecompositionWindow(DecompositionSession& session, SchemaHost& host, MessageService& messages,
                      ErrorDisplay& errors, QWidget* parent = nullptr);

  // Takes the main window's schema as the root and starts afresh.
  void loadSchema();

  // Shows the details of the schema in `slot`.
  void showSchema(int slot);
  // Splits the shown schema by the dependency at `position` of its list.
  void splitShownSchema(int position);
  // Tells the student how a schema is decomposed.
  void explainDecomposition();
  void addUncoveredSchemas();
  void addProjectionSchemas();
  // The whole course of the decomposition, or the resulting schemas, for
  // the print window.
  void printCourse();
  void printResults();

 signals:
  // A report the student asked to print or export, and the schema the
  // window started from, whose diagram goes with the report.
  void reportReady(const Report& report, const Schema& schema);
  // The picture of the schema whose details are shown, named by `title`.
  void diagramRequested(const Schema& schema, const QString& title);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* makeAction(const char* name, const QString& caption, const QString& hint,
                      void (DecompositionWindow::*handler)());
  void buildMenus();
  void buildExtraGroups(QWidget* content);
  void buildDetails(QWidget* content);
  void buildTree();
  // Makes the tree's area as tall as the tree, with a sideways bar below it
  // when it is wider than the window, but no taller, so that no band of
  // empty tree background is left below it.
  void fitTreeArea();
  void resetWindow() override;

  // Brings every schema field, number label, split label, connector and
  // group in line with the session.
  void showSchemas();
  // Makes a field and a number label for each of the `count` schemas from
  // `firstSlot` on, named from the patterns, in lines of `columns`.
  void showRow(RowPanel& row, int firstSlot, int count, int columns, const char* fieldName,
               const char* labelName);
  void showSlot(WrappingField& field, QLabel& number, int slot);
  // Shows the details of the session's shown schema, or none.
  void showDetails();
  void requestDiagram();
  // The field of the schema in `slot`, if one shows it.
  QWidget* fieldOf(int slot) const;
  // Marks the field of the schema whose details are shown.
  void markShown();
  void pageRows(int position);
  void report(const Report& report);
  // Tells the student why a step ended as it did; silent for Done and
  // Unchanged.
  void tell(DecompositionOutcome outcome);
  // Asks the question a step needs; whether the step may go on.
  bool agrees(DecompositionQuestion question);

  DecompositionSession& session_;
  SchemaHost& host_;
  MessageService& messages_;

  QWidget* content_ = nullptr;
  QScrollArea* treeArea_ = nullptr;
  DecompositionTreeView* tree_ = nullptr;
  // The added and the projection schemas, made afresh with every change.
  RowPanel* addedRow_ = nullptr;
  RowPanel* projectionRow_ = nullptr;

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
  QPushButton* Button_Diagram = nullptr;
  SchemaDetails* details_ = nullptr;

  QAction* a_dekomposice = nullptr;
  QAction* a_projekce = nullptr;
  QAction* a_nepokrytezavislosti = nullptr;
  QAction* a_print_all = nullptr;
  QAction* a_print_selected = nullptr;
  QAction* a_konec = nullptr;
};
