#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "Platform.h"
#include "Schema.h"
#include "SchemaHost.h"

class QLineEdit;
class QPushButton;

// The modal editor of the attribute names: one word is entered at a time, the
// words stand in read-only fields, and OK hands the whole new table back.
class TForm_ABC_Input final : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_ABC_Input(SchemaHost& host, MessageService& messages, QWidget* parent = nullptr);
  // Fills the fields from the live schema before the window is shown.
  void Prepare();

  void Button_InputClick();
  // The click and double-click handlers every word field shares; `tag` is the
  // field's position.
  void Edit_1Change(int tag);
  void Edit_1DblClick(int tag);
  void Button_ChangeClick();
  void Button_EraseClick();
  void Button_OKClick();
  void Button_CancelClick();

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // The names as accepted, for the main window's attribute log.
  void attributeLogReady(const std::vector<std::string>& lines);

 private:
  // The fields beyond the fifteenth appear only for a schema read from a file
  // with more names than the editor lets the user enter.
  static constexpr int EditorFields = 15;

  void FormClose();
  // Gives every word field the width its word needs.
  void FitWords();
  void Highlight(int field, bool selected);
  // Refuses a word the schema file could not hold; true when refused.
  bool RefuseUnstorableWord(const QString& word);

  SchemaHost& host_;
  MessageService& messages_;

  QLineEdit* Edit_ABC = nullptr;
  QPushButton* Button_Input = nullptr;
  QPushButton* Button_Erase = nullptr;
  QPushButton* Button_Change = nullptr;
  QPushButton* Button_OK = nullptr;
  QPushButton* Button_Cancel = nullptr;
  // Edit_1 .. Edit_20; field k shows the name of attribute k.
  std::array<QLineEdit*, MaxAttributes> fields_{};

  // Position of the last word, -1 when there is none.
  int wordCount_ = -1;
  int selected_ = 0;
  bool changeMode_ = false;
  bool modified_ = false;
  // The slot each field's word had when the editor was prepared, NoAttribute
  // for a word entered since. Erasing moves words to lower fields; OK moves
  // the dependencies after them.
  std::array<AttributeIndex, MaxAttributes> origin_{};
  // The live dependencies, read to protect the words they use.
  const DependencyList* dependencies_ = nullptr;
};
