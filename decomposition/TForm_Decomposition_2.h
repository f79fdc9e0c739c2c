#pragma once

#include <QWidget>

#include "Platform.h"
#include "SchemaHost.h"
#include "WindowDirectory.h"

class TForm_Decomposition_2 final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Decomposition_2(SchemaHost& host, WindowDirectory& windows,
                                 MessageService& messages, ErrorDisplay& errors,
                                 QWidget* parent = nullptr);
  void LoadSchema();

 private:
  SchemaHost& host_;
  WindowDirectory& windows_;
  MessageService& messages_;
  ErrorDisplay& errors_;
};
