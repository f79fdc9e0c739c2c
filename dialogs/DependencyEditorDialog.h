#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "DependencyEditorSession.h"
#include "Platform.h"
#include "SchemaHost.h"

class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class WrappingField;
class QPushButton;
class QTabWidget;
struct NotationRefusal;
class UpDownControl;

// The modal editor of the dependencies, a view of its session: a dependency
// is composed from picked left-hand and right-hand attributes and shown as a
// line, or the whole list is typed as text on a second tab; OK hands the
// whole new list back with one record per right-hand attribute.
class DependencyEditorDialog final : public QDialog {
  Q_OBJECT

 public:
  DependencyEditorDialog(DependencyEditorSession& session, SchemaHost& host,
                         MessageService& messages, QWidget* parent = nullptr);
  // Builds the lines from the live schema before the window is shown.
  void prepare();

  // Adds a line for the picked attributes.
  void insertLine();
  void eraseLine();
  // The text tab was left or shown: a typed text replaces the lines, or
  // the text shows the lines.
  void switchTab(int tab);
  // Installs the list on the schema and closes the editor.
  void acceptDependencies();

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // The dependencies as accepted, for the main window's dependency log.
  void dependencyLogReady(const std::vector<std::string>& lines);

 private:
  // Makes as many line fields as the session has lines, new ones at the end
  // and the last ones going, and gives them their texts.
  void showLines();
  // Moves the selection's colour; a line once selected keeps a lighter face.
  void showCurrent();
  // The paging arrows reached `position`; the up arrow moves the lines up.
  void pageLines(int position, bool upPressed);
  // Gives the panel the width its longest line needs.
  void widenForLines();
  void placeLines();
  void showPagingIfNeeded();
  // Scrolls just far enough that the line stands inside the panel.
  void scrollToLine(int line);
  // Writes the session's lines into the text, or says why it cannot.
  void showText();
  // Hands the text to the session when it was edited; false, with the
  // refused line marked and the text kept, when the session refused it.
  bool takeText();
  void markRefusal(const NotationRefusal& refusal);

  DependencyEditorSession& session_;
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
  QTabWidget* TabWidget_Dependencies = nullptr;
  QPlainTextEdit* Memo_DependencyText = nullptr;
  QLabel* Label_TextRefusal = nullptr;

  // Line k shows the session's line k; made and destroyed in showLines only.
  std::vector<WrappingField*> lines_;
  // The line that shows the selection's colour; -1 when none does.
  int shownCurrent_ = -1;
  // The tab shown before the one just chosen.
  int shownTab_ = 0;
};
