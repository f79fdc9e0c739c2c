#pragma once

#include <QDialog>

class TForm_About final : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_About(QWidget* parent = nullptr);
};
