#pragma once

#include <QColor>
#include <QFrame>
#include <QPixmap>
#include <array>

#include "Decomposition.h"

class QLabel;
class QLineEdit;

// The picture of the decomposition tree: the fields of the root and of the
// 14 tree slots with their number labels, the split label of each of the
// seven inner nodes, and the connector lines drawn onto the picture.
class TFrame_Decomposition_Tree final : public QFrame {
  Q_OBJECT

 public:
  static constexpr int PictureWidth = 721;
  static constexpr int PictureHeight = 225;
  static constexpr int FieldWidth = 110;
  static constexpr int FieldHeight = 24;

  // Background of the picture, of the tree's number labels and of the split
  // labels.
  static QColor Background();

  explicit TFrame_Decomposition_Tree(QWidget* parent = nullptr);

  // Slot k uses the field Edit(k+1) and the label Label_No_k (the root's
  // label is Label_No_15).
  QLineEdit* Field(int slot) const { return fields_[slot]; }
  QLabel* NumberLabel(int slot) const { return numberLabels_[slot]; }
  // Node k uses Label_Frame_(k+1).
  QLabel* SplitLabel(int node) const { return splitLabels_[node]; }

  // Draws the two lines from node k down to its children in `colour`; the
  // background colour erases them.
  void DrawConnectors(int node, const QColor& colour);

  const QPixmap& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<QLineEdit*, TreeSlots> fields_{};
  std::array<QLabel*, TreeSlots> numberLabels_{};
  std::array<QLabel*, SplitNodes> splitLabels_{};
  QPixmap picture_;
};
