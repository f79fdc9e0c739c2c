#pragma once

#include <QWidget>

#include "Platform.h"
#include "SchemaHost.h"
#include "WindowDirectory.h"

class TForm_Synteza_2 final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Synteza_2(SchemaHost& host, WindowDirectory& windows, MessageService& messages,
                           QWidget* parent = nullptr);
  void LoadSchema(DependencyList cover, KeyList keys);

 private:
  SchemaHost& host_;
  WindowDirectory& windows_;
  MessageService& messages_;
};
