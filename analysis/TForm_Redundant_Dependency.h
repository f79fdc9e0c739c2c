#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "OutOfDateNotice.h"
#include "Platform.h"
#include "Schema.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// The redundant dependencies of the live schema, one row each; each can be
// deleted from the live list. When the schema changes elsewhere, an open
// window lists its findings anew.
class TForm_Redundant_Dependency final : public ToolWindow {
  Q_OBJECT

 public:
  TForm_Redundant_Dependency(SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
                             QWidget* parent = nullptr);

  // Lists the findings of the live schema afresh; returns whether there are
  // any.
  bool LoadSchema();
  void Button1Click(QObject* sender);
  void FormClose() override;

 signals:
  // The dependencies left after the deletions, for the main window's log.
  void dependencyLogReady(const std::vector<std::string>& lines);

 private:
  struct Row {
    QLineEdit* Edit = nullptr;
    QPushButton* Button = nullptr;
  };
  void AddRowControls();
  void AddDependencyRow(const Dependency& record);
  void ResetRows();
  void SchemaChanged();
  void Retire(int r, const QColor& colour);

  SchemaHost& host_;
  MessageService& messages_;

  AttributeTable attributeNames_;
  // Rows hold addresses of records of the live list; they are valid because
  // the window refills itself on every change it did not make itself. A
  // deleted record's row is retired at once, so its address is never used
  // again.
  std::vector<const Dependency*> rowDependency;
  int lastRow = -1;
  bool deletionsMade = false;
  bool deleting_ = false;

  QWidget* canvas_ = nullptr;
  QLabel* Label1 = nullptr;
  // One row per finding, in columns, so that the rows line up.
  QGridLayout* rowGrid_ = nullptr;
  OutOfDateNotice* notice_ = nullptr;
  // Eight rows always exist; further findings get rows of their own below.
  std::vector<Row> rows_;
};
