#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "AttributeEditorSession.h"
#include "Platform.h"
#include "SchemaHost.h"

class QLineEdit;
class QPushButton;

// The modal editor of the attribute names, a view of its session: one word
// is entered at a time, the words stand in read-only fields, and OK hands
// the whole new table back.
class AttributeEditorDialog final : public QDialog {
  Q_OBJECT

 public:
  AttributeEditorDialog(AttributeEditorSession& session, SchemaHost& host, MessageService& messages,
                        QWidget* parent = nullptr);
  // Fills the fields from the live schema before the window is shown.
  void prepare();

  // Takes the word typed in the input line.
  void enterWord();
  // Puts the selected word into the input line to be changed.
  void changeWord();
  void eraseWord();
  // Installs the names on the schema and closes the editor.
  void acceptNames();

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // The names as accepted, for the main window's attribute log.
  void attributeLogReady(const std::vector<std::string>& lines);

 private:
  // Brings the word fields in line with the session.
  void showWords();
  // Tells the student why a word was not taken; whether the input line
  // keeps it to be corrected.
  bool explainWord(AttributeEditorSession::WordOutcome outcome);

  AttributeEditorSession& session_;
  SchemaHost& host_;
  MessageService& messages_;

  QLineEdit* Edit_ABC = nullptr;
  QPushButton* Button_Input = nullptr;
  QPushButton* Button_Erase = nullptr;
  QPushButton* Button_Change = nullptr;
  QPushButton* Button_OK = nullptr;
  QPushButton* Button_Cancel = nullptr;
  // Edit_1 .. Edit_20; field k shows word k.
  std::array<QLineEdit*, MaxAttributes> fields_{};
};
