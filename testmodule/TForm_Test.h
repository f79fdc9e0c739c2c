#pragma once

#include <QWidget>

#include "WindowDirectory.h"

class TForm_Test final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Test(WindowDirectory& windows, QWidget* parent = nullptr);

 private:
  WindowDirectory& windows_;
};
