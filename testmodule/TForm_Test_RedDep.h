#pragma once

#include <QWidget>

#include "Platform.h"
#include "SchemaHost.h"

class TForm_Test_RedDep final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Test_RedDep(SchemaHost& host, MessageService& messages, QWidget* parent = nullptr);
  void PrepareExercise();

 private:
  SchemaHost& host_;
  MessageService& messages_;
};
