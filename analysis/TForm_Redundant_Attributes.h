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

// The redundant left-hand attributes of the live schema, one row per
// (attribute, dependency) pair; each can be deleted from the live list.
class TForm_Redundant_Attributes final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Redundant_Attributes(SchemaHost& host, MessageService& messages,
                                      QWidget* parent = nullptr);

  void LoadSchema();
  void AddAttributeRow(AttributeIndex attribute, const Dependency& record);
  void Button1Click(QObject* sender);
  void FormClose();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Row {
    QLabel* Label_A = nullptr;
    QLabel* Label_Atr = nullptr;
    QLabel* Label_D = nullptr;
    QLineEdit* Edit = nullptr;
    QPushButton* Button = nullptr;
  };
  void AddRowControls();
  void ResetRows();
  // The live record shown in row r, or null when it is no longer part of
  // the live list.
  Dependency* LiveRecord(int r);
  void Retire(int r, const QColor& colour);

  SchemaHost& host_;
  MessageService& messages_;

  AttributeTable attributeNames;
  // Rows hold addresses of records of the live list; they are looked up by
  // address before use, and only while the list loaded is still installed.
  std::uint64_t loadedGeneration_ = 0;
  std::vector<AttributeIndex> rowAttribute;
  std::vector<const Dependency*> rowDependency;
  int lastRow = -1;
  bool deletionsMade = false;

  QWidget* canvas_ = nullptr;
  QLabel* Label1 = nullptr;
  // Eight rows always exist; further findings get rows of their own below.
  std::vector<Row> rows_;
};
