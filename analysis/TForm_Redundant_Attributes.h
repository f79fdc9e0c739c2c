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

// The redundant left-hand attributes of the live schema, one row per
// (attribute, dependency) pair; each can be deleted from the live list. When
// the schema changes elsewhere, an open window lists its findings anew, so
// that no row acts on a record or attribute number that has moved.
class TForm_Redundant_Attributes final : public ToolWindow {
  Q_OBJECT

 public:
  TForm_Redundant_Attributes(SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
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
    QLabel* Label_A = nullptr;
    QLabel* Label_Atr = nullptr;
    QLabel* Label_D = nullptr;
    QLineEdit* Edit = nullptr;
    QPushButton* Button = nullptr;
  };
  void AddRowControls();
  void AddAttributeRow(AttributeIndex attribute, const Dependency& record);
  // Shows the whole dependency of a row; a long one widens every row's field.
  void ShowDependencyRow(QLineEdit& edit, const Dependency& record);
  void ResetRows();
  void SchemaChanged();
  void Retire(int r, const QColor& colour);

  SchemaHost& host_;
  MessageService& messages_;

  AttributeTable attributeNames_;
  // Rows hold addresses of records of the live list and attribute numbers;
  // they are valid because the window refills itself on every change it did
  // not make itself.
  std::vector<AttributeIndex> rowAttribute;
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
