#pragma once

#include <QWidget>

#include "Platform.h"
#include "SchemaHost.h"

class TForm_MaxSet final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_MaxSet(SchemaHost& host, MessageService& messages, QWidget* parent = nullptr);
  void LoadSchema();

 private:
  SchemaHost& host_;
  MessageService& messages_;
};
