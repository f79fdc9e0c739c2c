#pragma once

#include <QDialog>

#include "Platform.h"
#include "SchemaHost.h"

class TForm_ABC_Input final : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_ABC_Input(SchemaHost& host, MessageService& messages, QWidget* parent = nullptr);
  // Fills the fields from the live schema before the window is shown.
  void Prepare();

 private:
  SchemaHost& host_;
  MessageService& messages_;
};
