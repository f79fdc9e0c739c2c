#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <vector>

#include "DependencyDiagram.h"
#include "Schema.h"

class QPainter;

// A dependency diagram in pixels for one font: the attributes as boxes in a
// row, each left-hand side as a bracket over its attributes, and from its
// line an arrow into each attribute it determines. Drawn the same on the
// screen, into SVG and PNG files and on printed pages.
class DiagramPicture final {
 public:
  DiagramPicture(const DependencyList& dependencies, const AttributeTable& names,
                 const QFont& font);

  QSize size() const { return size_; }
  // Paints the diagram with its top-left corner at the painter's origin.
  void paint(QPainter& painter) const;

 private:
  int laneY(const DiagramGroup& group) const;

  DiagramLayout layout_;
  QFont font_;
  std::vector<QString> names_;  // by slot
  std::vector<int> left_;       // of each slot's box
  std::vector<int> width_;      // of each slot's box
  int rowTop_ = 0;
  int boxHeight_ = 0;
  QSize size_;
};
