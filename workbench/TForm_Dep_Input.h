#pragma once

#include <QDialog>

#include "Platform.h"
#include "SchemaHost.h"

class TForm_Dep_Input final : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_Dep_Input(SchemaHost& host, MessageService& messages, QWidget* parent = nullptr);
  // Builds the rows from the live schema before the window is shown.
  void Prepare();

 private:
  SchemaHost& host_;
  MessageService& messages_;
};
