#pragma once

#include <QWidget>

#include "Platform.h"
#include "SchemaHost.h"

class TForm_Test_Keys final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Test_Keys(SchemaHost& host, MessageService& messages, RandomSource& random,
                           QWidget* parent = nullptr);
  void PrepareExercise();

 private:
  SchemaHost& host_;
  MessageService& messages_;
  RandomSource& random_;
};
