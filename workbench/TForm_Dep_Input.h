#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "DependencyRows.h"
#include "Platform.h"
#include "Schema.h"
#include "SchemaHost.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class UpDownControl;

// The modal editor of the dependencies: a dependency is composed from picked
// left-hand and right-hand attributes and shown as a line; OK hands the whole
// new list back with one record per right-hand attribute.
class TForm_Dep_Input final : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_Dep_Input(SchemaHost& host, MessageService& messages, QWidget* parent = nullptr);
  // Builds the rows from the live schema before the window is shown.
  void Prepare();

  void Button_InsertClick();
  // The click handler every line shares; `tag` is the line's position.
  void One_Edit1Click(int tag);
  void EraseClick();
  // The paging arrows reached `position`; the up arrow moves the lines up.
  void UpDown1Click(int position, bool upPressed);
  void Button_OKClick();
  void CancelClick();

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // The dependencies as accepted, for the main window's dependency log.
  void dependencyLogReady(const std::vector<std::string>& lines);

 private:
  void FormClose();
  void AddLine(const QString& text);
  // Gives the panel the width its longest line needs.
  void WidenForLines();
  void PlaceLine(int line);
  void Highlight(int line, const QColor& colour);
  void ShowPagingIfNeeded();
  // Scrolls just far enough that the line stands inside the panel.
  void ScrollToLine(int line);

  SchemaHost& host_;
  MessageService& messages_;

  std::array<QComboBox*, RowLhsPickers> ComboBox_L{};
  std::array<QComboBox*, RowRhsSlots> ComboBox_P{};
  QLabel* Label1 = nullptr;
  QFrame* Panel1 = nullptr;
  // Its position is how many line pitches the lines are scrolled up.
  UpDownControl* UpDown1 = nullptr;
  QPushButton* Button_Insert = nullptr;
  QPushButton* Erase = nullptr;
  QPushButton* Button_OK = nullptr;
  QPushButton* Cancel = nullptr;

  // Row k is shown by line k; both lists change together.
  std::vector<DependencyRow> rows_;
  std::vector<QLineEdit*> lines_;
  // The current row, which is also the selected line; -1 when there is none.
  int current_ = -1;
  AttributeTable names_;
  bool modified_ = false;
};
