#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "Platform.h"
#include "Schema.h"
#include "SchemaHost.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The redundant dependencies of the live schema, one row each; each can be
// deleted from the live list.
class TForm_Redundant_Dependency final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Redundant_Dependency(SchemaHost& host, MessageService& messages,
                                      QWidget* parent = nullptr);

  void LoadSchema();
  void AddDependencyRow(const Dependency& record);
  void Button1Click(QObject* sender);
  void FormClose();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Row {
    QLineEdit* Edit = nullptr;
    QPushButton* Button = nullptr;
  };
  void AddRowControls();
  void ResetRows();
  // Where the record shown in row r stands in the live list, or end() when
  // it is no longer part of it.
  DependencyList::iterator LiveRecord(int r);
  void Retire(int r, const QColor& colour);

  SchemaHost& host_;
  MessageService& messages_;

  // The main window's dependency list, taken at load; the window unlinks
  // records from it (the first one included).
  DependencyList* dependencyListRef = nullptr;
  AttributeTable attributeNames;
  // Rows hold addresses of records of the live list; they are looked up by
  // address before use, and only while the list loaded is still installed.
  std::uint64_t loadedGeneration_ = 0;
  std::vector<const Dependency*> rowDependency;
  int lastRow = -1;
  bool deletionsMade = false;
  // Records deleted from the live list. They stay here, unread, while their
  // rows show them, and are released when the window is reset; keeping them
  // also keeps their addresses from being reused by records of the list.
  DependencyList deletedRecords_;

  QWidget* canvas_ = nullptr;
  QLabel* Label1 = nullptr;
  // Eight rows always exist; further findings get rows of their own below.
  std::vector<Row> rows_;
};
