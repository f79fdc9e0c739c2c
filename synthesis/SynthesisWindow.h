#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "Platform.h"
#include "SchemaHost.h"
#include "SynthesisSession.h"
#include "ToolWindow.h"

class QAction;
class QGridLayout;
class QGroupBox;
class Legend;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class SchemaDetails;
class UpDownControl;
class WrappingField;

// The synthesis of the schema into third normal form, step by step: the
// starting minimal cover, the schemas by equal left-hand sides, the unions of
// schemas with equivalent keys and the projection schemas, each a coloured
// field; a double-click on a field shows that schema's details below. A
// view of its session.
class SynthesisWindow final : public ToolWindow {
  Q_OBJECT

 public:
  SynthesisWindow(SynthesisSession& session, SchemaHost& host, MessageService& messages,
                  ErrorDisplay& errors, QWidget* parent = nullptr);

  // Starts afresh on the live schema.
  void load();
  // Shows the details of the schema in `slot` below the fields.
  void showSchemaDetails(int slot);
  void requestDiagram();

  void splitByLeftSides();
  void mergeEquivalentKeys();
  void absorbProjections();
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
  void resetWindow() override;

 private:
  // The schema the synthesis started from.
  Schema startingSchema() const;
  QAction* MakeAction(const char* name, const QString& caption, const QString& hint,
                      void (SynthesisWindow::*handler)());
  QMenuBar* BuildMenu();
  void BuildTop(QWidget& content);
  void BuildRows(QWidget& content);
  void BuildDetails(QWidget& content);
  // Names a schema field, gives it its slot and hint and watches its
  // double-click.
  void WatchSchemaField(QWidget& field, int slot, const QString& name);

  // One row of schema fields (the split, the unions, the projections): a
  // group box whose cells scroll once the row holds more schemas than the
  // box shows.
  struct SlotRow {
    const char* fieldPrefix;
    const char* labelPrefix;
    // The most columns the row takes.
    int columns;
    // The least widths of a cell's label and field.
    int labelWidth;
    int fieldWidth;
    // The split schemas' labels read their numbers for good.
    bool numbered;
    int visibleLines;
    QGroupBox* group = nullptr;
    QScrollArea* scroll = nullptr;
    QGridLayout* cells = nullptr;
    // The cells made so far; a step that needs more makes them.
    std::vector<QLabel*> labels{};
    std::vector<QLineEdit*> fields{};
    // What the row shows: how many cells, and the widths that show each
    // whole.
    int shown = 0;
    int shownLabelWidth = 0;
    int shownFieldWidth = 0;
  };
  // Gives the row at least `count` cells, named on from the last.
  void EnsureCells(SlotRow& row, int count);
  void ShowRow(SlotRow& row, int firstSlot, int count);
  // Sets the shown cells out in as many columns as the box holds, the box
  // growing by a sideways bar when one cell is wider than it.
  void PlaceCells(SlotRow& row);

  // Empties and hides the lower part.
  void showNoDetails();
  // Marks the field of the schema whose details are shown.
  void markShown();
  // Tells the student why a step ended as it did; silent for Done.
  void tell(SynthesisOutcome outcome);
  // Brings every schema field, number label and group in line with the
  // session's slots.
  void showSlots();

  SynthesisSession& session_;
  SchemaHost& host_;
  MessageService& messages_;
  // Says so when the schema changed after the window copied it.

  // The split, the unions and the projections.
  std::array<SlotRow, 3> rows_{};

  QAction* a_LS_stejne = nullptr;
  QAction* a_EkvK = nullptr;
  QAction* a_projekce = nullptr;
  QAction* a_printall = nullptr;
  QAction* a_print_selected = nullptr;
  QAction* a_konec = nullptr;

  WrappingField* Edit_Schema_1 = nullptr;
  QPushButton* Button_LS = nullptr;
  QPushButton* Button_EkvK = nullptr;
  QPushButton* Button_Proj = nullptr;
  QPushButton* Button_Diagram = nullptr;
  QLabel* Label_LS_Inic = nullptr;
  QLabel* Label_Ekv_Inic = nullptr;
  QLabel* Label_Proj_Inic = nullptr;
  QLabel* Label_Legend = nullptr;
  QWidget* content_ = nullptr;

  QLabel* Label_S1 = nullptr;
  QLabel* Label_S2 = nullptr;
  QLabel* Label_S3 = nullptr;
  QPlainTextEdit* Memo_ABC = nullptr;
  QPlainTextEdit* Memo_Keys = nullptr;
  QWidget* Panel_Dep = nullptr;
  UpDownControl* UpDown1 = nullptr;
  SchemaDetails* details_ = nullptr;
  QWidget* details_Panel = nullptr;
  Legend* rowColours_ = nullptr;
};
