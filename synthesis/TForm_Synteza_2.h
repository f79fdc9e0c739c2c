#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "OutOfDateNotice.h"
#include "Platform.h"
#include "SchemaHost.h"
#include "SchemaReport.h"
#include "Synthesis.h"
#include "ToolWindow.h"

class QAction;
class QGroupBox;
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
// field; a double-click on a field shows that schema's details below.
class TForm_Synteza_2 final : public ToolWindow {
  Q_OBJECT

 public:
  TForm_Synteza_2(SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
                  QWidget* parent = nullptr);

  // Starts afresh on the minimal cover and the keys the main window
  // prepared; the names are read from the live schema.
  void LoadSchema(DependencyList cover, KeyList keys);

  // Double-click on any schema field; `tag` is the field's slot.
  void Edit_Schema_1DblClick(int tag);
  void ShowSchemaDetails();
  // The paging control reached `position` by the given arrow.
  void UpDown1Click(int position, bool upPressed);

  void a_LS_stejneExecute();
  void a_EkvKExecute();
  void a_projekceExecute();
  void a_printallExecute();
  void a_print_selectedExecute();
  void a_konecExecute();

  const SynthesisState& State() const { return state_; }

 signals:
  // The lines of a report the student asked to print or export.
  void reportReady(const std::vector<std::string>& lines);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* MakeAction(const char* name, const QString& caption, const QString& hint,
                      void (TForm_Synteza_2::*handler)());
  QMenuBar* BuildMenu();
  void BuildSchemaFields(QWidget* content);
  void BuildDetails(QWidget* content);
  // Names a schema field, gives it its slot and hint and watches its
  // double-click.
  void WatchSchemaField(QWidget& field, int slot, const QString& name);
  QLineEdit* MakeSchemaField(QWidget* parent, int slot, const QString& name);
  // Sizes the original schema's field to its text, wrapping it beside the
  // notes, and moves the commands below it.
  void ArrangeTop();

  // One row of schema fields (the split, the unions, the projections): a
  // group box whose cells scroll once the row holds more schemas than the
  // box shows.
  struct SlotRow {
    const char* fieldPrefix;
    const char* labelPrefix;
    int columns;
    int columnPitch;
    int labelWidth;
    // The cells made at first; the scrolled area never gets smaller.
    int firstCells;
    // The split schemas' labels read their numbers for good.
    bool numbered;
    int visibleLines;
    QScrollArea* scroll = nullptr;
    QWidget* cells = nullptr;
    std::vector<QLineEdit*> fields{};
    std::vector<QLabel*> labels{};
  };
  // Gives the row at least `count` cells, named on from the last, and makes
  // the scrolled area as tall as they need.
  void EnsureCells(SlotRow& row, int count);
  // Places the cells in as many columns as fit, the box growing by a
  // sideways bar when one cell is wider than it.
  void PlaceCells(SlotRow& row, int labelWidth, int fieldWidth);
  void ShowRow(SlotRow& row, int firstSlot, int count);

  // Tells the student why a step ended as it did; silent for Done.
  void Tell(SynthesisOutcome outcome);
  void FormClose() override;
  // Brings every schema field, number label and group in line with the
  // slots.
  void ShowSlots();

  SchemaHost& host_;
  // Says so when the schema changed after the window copied it.
  OutOfDateNotice* notice_ = nullptr;
  MessageService& messages_;

  SynthesisState state_;
  int shownSlot = 0;

  // The split, the unions and the projections.
  std::array<SlotRow, 3> rows_{};

  QAction* a_LS_stejne = nullptr;
  QAction* a_EkvK = nullptr;
  QAction* a_projekce = nullptr;
  QAction* a_printall = nullptr;
  QAction* a_print_selected = nullptr;
  QAction* a_konec = nullptr;

  QWidget* Panel_Top = nullptr;
  WrappingField* Edit_Schema_1 = nullptr;
  QPushButton* Button_LS = nullptr;
  QPushButton* Button_EkvK = nullptr;
  QPushButton* Button_Proj = nullptr;
  QLabel* Label_LS_Inic = nullptr;
  QLabel* Label_Ekv_Inic = nullptr;
  QLabel* Label_Proj_Inic = nullptr;
  QLabel* Label_Legend = nullptr;
  QGroupBox* Group_LS = nullptr;
  QGroupBox* Group_EkvK = nullptr;
  QGroupBox* Group_Proj = nullptr;
  QWidget* content_ = nullptr;
  QScrollArea* ScrollBox_LS = nullptr;
  QScrollArea* ScrollBox_EkvK = nullptr;
  QScrollArea* ScrollBox_Proj = nullptr;

  QLabel* Label_S1 = nullptr;
  QLabel* Label_S2 = nullptr;
  QLabel* Label_S3 = nullptr;
  QPlainTextEdit* Memo_ABC = nullptr;
  QPlainTextEdit* Memo_Keys = nullptr;
  QWidget* Panel_Dep = nullptr;
  UpDownControl* UpDown1 = nullptr;
  SchemaDetails* details_ = nullptr;
};
