#pragma once

#include <QWidget>

#include "Platform.h"
#include "SchemaHost.h"

class TForm_Redundant_Attributes final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Redundant_Attributes(SchemaHost& host, MessageService& messages,
                                      QWidget* parent = nullptr);
  void LoadSchema();
  void AddAttributeRow(AttributeIndex attribute, const Dependency& record);

 private:
  SchemaHost& host_;
  MessageService& messages_;
};
