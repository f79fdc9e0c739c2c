#pragma once

#include <QFrame>

class TFrame_Decomposition_Tree final : public QFrame {
  Q_OBJECT

 public:
  explicit TFrame_Decomposition_Tree(QWidget* parent = nullptr);
};
