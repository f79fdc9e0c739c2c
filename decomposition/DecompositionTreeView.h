#pragma once

#include <QFrame>
#include <array>

#include "Decomposition.h"

class QLabel;
class QPainter;
class WrappingField;

// The picture of the decomposition tree: the fields of the root and of the
// 14 tree slots with their number labels, the split label of each of the
// seven inner nodes, and the connectors from each split node to its
// children. Every box is as wide as its members need up to a limit past
// which they wrap onto further lines; each level is as tall as its tallest
// box. Each subtree gets a column band of its own and a split label stands
// in its node's band below its box, so that no label overlaps another, a box
// or the edge, and every connector runs to its own child.
class DecompositionTreeView final : public QFrame {
  Q_OBJECT

 public:
  static constexpr int MinimumWidth = 721;
  static constexpr int FieldHeight = 24;
  static constexpr int Levels = 4;

  explicit DecompositionTreeView(QWidget* parent = nullptr);

  // Slot k uses the field Edit(k+1) and the label Label_No_k (the root's
  // label is Label_No_15).
  WrappingField* field(int slot) const { return fields_[slot]; }
  QLabel* numberLabel(int slot) const { return numberLabels_[slot]; }
  // Node k uses Label_Frame_(k+1).
  QLabel* splitLabel(int node) const { return splitLabels_[node]; }

  // Whether node k is drawn joined to its two children.
  void setJoined(int node, bool joined);

  // Sizes every shown field, number and split label by the texts they hold
  // now, places them and sizes the picture to the tree.
  void arrange();

 signals:
  // The student double-clicked the enabled field of a slot.
  void schemaDoubleClicked(int slot);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The lines from a split node down to its children.
  void drawConnectors(QPainter& painter, int node) const;
  int subtreeWidth(int slot) const;
  void place(int slot, int left, int level);
  // Sets the tops of the levels from the tallest box of each; returns the
  // bottom of the lowest box shown.
  int measureLevels();

  std::array<WrappingField*, TreeSlots> fields_{};
  std::array<QLabel*, TreeSlots> numberLabels_{};
  std::array<QLabel*, SplitNodes> splitLabels_{};
  std::array<bool, SplitNodes> joined_{};
  // The widest the tree needs, without the margins.
  int treeWidth_ = 0;
  std::array<int, Levels> levelTops_{};
  // The height of the picture of a full tree of one-line boxes, which it
  // keeps when it needs less, so that the first splits do not move what
  // lies below it.
  int leastHeight_ = 0;
};
