#include "DiagramPicture.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "MaxSets.h"
#include "ModelText.h"
#include "SchemaListing.h"

namespace {

constexpr int kMargin = 16;
constexpr int kPadding = 8;
constexpr int kBoxGap = 22;
constexpr int kLaneGap = 18;
constexpr int kArrowHead = 6;
constexpr int kEmptySideRadius = 4;

// Each left-hand side draws in a colour of its own, so that the eye can
// follow a line through the others: dark tones that read on white paper
// and stay apart for most forms of colour blindness.
QColor GroupColour(std::size_t group) {
  static constexpr QRgb kColours[] = {0x0072B2, 0xD55E00, 0x009E73, 0xCC79A7,
                                      0x000000, 0xE69F00, 0x56B4E9, 0x882255};
  return QColor::fromRgb(kColours[group % std::size(kColours)]);
}

}  // namespace

DiagramPicture::DiagramPicture(const DependencyList& dependencies, const AttributeTable& names,
                               const QFont& font)
    : layout_(LayOutDiagram(dependencies, CountNonEmptyNames(names))), font_(font) {
  const QFontMetrics metrics(font_);
  boxHeight_ = metrics.height() + 2 * kPadding;
  int x = kMargin;
  for (AttributeIndex a : layout_.order) {
    names_.push_back(ToText(NameOf(names, a)));
    const int w = metrics.horizontalAdvance(names_.back()) + 2 * kPadding;
    left_.push_back(x);
    width_.push_back(w);
    x += w + kBoxGap;
  }
  rowTop_ = kMargin + (layout_.lanesAbove + 1) * kLaneGap;
  const int height = rowTop_ + boxHeight_ + (layout_.lanesBelow + 1) * kLaneGap + kMargin;
  size_ = QSize(std::max(x - kBoxGap + kMargin, 2 * kMargin), height);
}

int DiagramPicture::laneY(const DiagramGroup& group) const {
  return group.above ? rowTop_ - (group.lane + 1) * kLaneGap
                     : rowTop_ + boxHeight_ + (group.lane + 1) * kLaneGap;
}

void DiagramPicture::paint(QPainter& painter) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(font_);
  const QColor ink = painter.pen().color();
  const auto centre = [this](int slot) { return left_[slot] + width_[slot] / 2; };

  for (std::size_t slot = 0; slot < names_.size(); ++slot) {
    const QRect box(left_[slot], rowTop_, width_[slot], boxHeight_);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter, names_[slot]);
  }

  for (std::size_t index = 0; index < layout_.groups.size(); ++index) {
    const DiagramGroup& group = layout_.groups[index];
    const QColor colour = GroupColour(index);
    const int y = laneY(group);
    // The stroke from the line to the box ends at the box's edge.
    const int edge = group.above ? rowTop_ : rowTop_ + boxHeight_;
    const int toward = group.above ? 1 : -1;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1));
    painter.drawLine(centre(group.first), y, centre(group.last), y);
    // The bracket: a heavier stretch over the side's attributes, with a
    // stroke down to each.
    int sideFirst = group.last;
    int sideLast = group.first;
    for (AttributeIndex a = 0; a < static_cast<AttributeIndex>(layout_.slotOf.size()); ++a) {
      if (!group.lhs.Has(a)) continue;
      const int slot = layout_.slotOf[a];
      sideFirst = std::min(sideFirst, slot);
      sideLast = std::max(sideLast, slot);
      painter.drawLine(centre(slot), y, centre(slot), edge);
    }
    if (group.lhs.Empty()) {
      // Nothing on the left: the line starts at a small circle.
      painter.drawEllipse(QPoint(centre(group.first) - kEmptySideRadius * 3, y), kEmptySideRadius,
                          kEmptySideRadius);
      painter.drawLine(centre(group.first) - kEmptySideRadius * 2, y, centre(group.first), y);
    } else {
      painter.setPen(QPen(colour, 3, Qt::SolidLine, Qt::FlatCap));
      painter.drawLine(centre(sideFirst), y, centre(sideLast), y);
      painter.setPen(QPen(colour, 1));
    }
    painter.setBrush(colour);
    for (AttributeIndex target : group.rhs) {
      const int x = centre(layout_.slotOf[target]);
      painter.drawLine(x, y, x, edge - toward * kArrowHead);
      QPainterPath head;
      head.moveTo(x, edge);
      head.lineTo(x - kArrowHead / 2.0, edge - toward * kArrowHead);
      head.lineTo(x + kArrowHead / 2.0, edge - toward * kArrowHead);
      head.closeSubpath();
      painter.drawPath(head);
    }
  }
  painter.restore();
}
