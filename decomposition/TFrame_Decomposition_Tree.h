#pragma once

#include <QColor>
#include <QFrame>
#include <array>

#include "Decomposition.h"

class QLabel;
class QLineEdit;
class QPainter;

// The picture of the decomposition tree: the fields of the root and of the
// 14 tree slots with their number labels, the split label of each of the
// seven inner nodes, and the connectors from each split node to its
// children. Every box is as wide as its members need (up to a limit past
// which its tooltip holds them), each subtree gets a column band of its own
// and a split label stands in its node's band, so that no label overlaps
// another, a box or the edge, and every connector runs to its own child.
class TFrame_Decomposition_Tree final : public QFrame {
  Q_OBJECT

 public:
  static constexpr int MinimumWidth = 721;
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

  // Whether node k is drawn joined to its two children.
  void SetJoined(int node, bool joined);

  // Places every shown field, number and split label by the texts they hold
  // now and sizes the picture to the tree.
  void Arrange();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The lines from a split node down to its children.
  void DrawConnectors(QPainter& painter, int node) const;
  int SubtreeWidth(int slot) const;
  void Place(int slot, int left, int level);

  std::array<QLineEdit*, TreeSlots> fields_{};
  std::array<QLabel*, TreeSlots> numberLabels_{};
  std::array<QLabel*, SplitNodes> splitLabels_{};
  std::array<bool, SplitNodes> joined_{};
  // The widest the tree needs, without the margins.
  int treeWidth_ = 0;
};
