#pragma once

#include <QWidget>
#include <array>

#include "OutOfDateNotice.h"
#include "Platform.h"
#include "SchemaHost.h"
#include "Synthesis.h"
#include "WindowDirectory.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class SchemaDetails;
class UpDownControl;

// The synthesis of the schema into third normal form, step by step: the
// starting minimal cover, the schemas by equal left-hand sides, the unions of
// schemas with equivalent keys and the projection schemas, each a coloured
// field; a double-click on a field shows that schema's details below.
class TForm_Synteza_2 final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Synteza_2(SchemaHost& host, WindowDirectory& windows, MessageService& messages,
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

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class MessageDialog;

  QAction* MakeAction(const char* name, const QString& caption, const QString& hint,
                      void (TForm_Synteza_2::*handler)());
  QMenuBar* BuildMenu();
  void BuildSchemaFields(QWidget* content);
  void BuildDetails(QWidget* content);
  QLineEdit* MakeSchemaField(QWidget* parent, int slot, const QString& name);

  void FormClose();
  // Brings every schema field, number label and group in line with the
  // slots.
  void ShowSlots();

  SchemaHost& host_;
  // Says so when the schema changed after the window copied it.
  OutOfDateNotice* notice_ = nullptr;
  WindowDirectory& windows_;
  MessageService& messages_;

  SynthesisState state_;
  int shownSlot = 0;

  // Indexed by slot; slot 0 has no number label.
  std::array<QLineEdit*, SynthesisSlotCount> schemaFields_{};
  std::array<QLabel*, SynthesisSlotCount> numberLabels_{};

  QAction* a_LS_stejne = nullptr;
  QAction* a_EkvK = nullptr;
  QAction* a_projekce = nullptr;
  QAction* a_printall = nullptr;
  QAction* a_print_selected = nullptr;
  QAction* a_konec = nullptr;

  QLineEdit* Edit_Schema_1 = nullptr;
  QPushButton* Button_LS = nullptr;
  QPushButton* Button_EkvK = nullptr;
  QPushButton* Button_Proj = nullptr;
  QLabel* Label_LS_Inic = nullptr;
  QLabel* Label_Ekv_Inic = nullptr;
  QLabel* Label_Proj_Inic = nullptr;
  QGroupBox* Group_LS = nullptr;
  QGroupBox* Group_EkvK = nullptr;
  QGroupBox* Group_Proj = nullptr;

  QLabel* Label_S1 = nullptr;
  QLabel* Label_S2 = nullptr;
  QLabel* Label_S3 = nullptr;
  QPlainTextEdit* Memo_ABC = nullptr;
  QPlainTextEdit* Memo_Keys = nullptr;
  QWidget* Panel_Dep = nullptr;
  UpDownControl* UpDown1 = nullptr;
  SchemaDetails* details_ = nullptr;
};
