#include "DecompositionTreeView.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <bit>

#include "Display.h"
#include "WrappingField.h"

namespace {

constexpr int kMargin = 8;
constexpr int kMinimumFieldWidth = 110;
// Below this a line of a box would hold only one or two long names and a
// box of many members would grow tall; a level of such boxes widens the
// picture instead.
constexpr int kLeastWrapWidth = 280;
// What a two-digit number label and its gap take beside a box.
constexpr int kNumberRoom = 22;
constexpr int kNumberGap = 2;
constexpr int kSiblingGap = 16;
// Below a field: its split label, then the bar the children hang from.
constexpr int kLabelTop = 3;
constexpr int kBarGap = 6;
constexpr int kDrop = 10;
constexpr int kLinePen = 3;

bool HasChildren(int slot) {
  return slot < SplitNodes;
}

int Level(int slot) {
  return std::bit_width(static_cast<unsigned>(slot) + 1) - 1;
}

// The widest a box of the level grows before its members wrap: the boxes of
// a full level share the picture's least width, so that the root and its
// children read whole without scrolling, but lower levels keep a sensible
// width of their own.
int WrapWidth(int level) {
  const int boxes = 1 << level;
  const int room = DecompositionTreeView::MinimumWidth - 2 * kMargin - (boxes - 1) * kSiblingGap;
  return std::max(room / boxes - (level == 0 ? 0 : kNumberRoom), kLeastWrapWidth);
}

// Background of the picture, of the tree's number labels and of the split
// labels.
QColor TreeBackground() {
  return QColor(138, 156, 245);
}

QLabel* TreeLabel(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  QFont font = label->font();
  font.setPointSize(8);
  label->setFont(font);
  SetBackground(*label, TreeBackground());
  return label;
}

int TextWidth(const QWidget& w, const QString& text) {
  return w.fontMetrics().horizontalAdvance(text);
}

}  // namespace

DecompositionTreeView::DecompositionTreeView(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Frame_Decomposition_Tree1"));
  setFrameShape(QFrame::Box);
  SetBackground(*this, TreeBackground());

  for (int slot = 0; slot < TreeSlots; ++slot) {
    auto* field = new WrappingField(this);
    field->setObjectName(QStringLiteral("Edit%1").arg(slot + 1));
    field->setProperty("tag", slot);
    QFont font = field->font();
    font.setPointSize(8);
    font.setBold(slot == 0);
    field->setFont(font);
    field->resize(kMinimumFieldWidth, FieldHeight);
    field->installEventFilter(this);
    fields_[slot] = field;

    // The root's number is never shown.
    const QString name =
        slot == 0 ? QStringLiteral("Label_No_15") : QStringLiteral("Label_No_%1").arg(slot);
    QLabel* number = TreeLabel(this, name);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    numberLabels_[slot] = number;
  }
  numberLabels_[0]->setText(QStringLiteral("0"));

  for (int node = 0; node < SplitNodes; ++node) {
    QLabel* label = TreeLabel(this, QStringLiteral("Label_Frame_%1").arg(node + 1));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    splitLabels_[node] = label;
  }
  const int levelPitch =
      FieldHeight + kLabelTop + splitLabels_[0]->fontMetrics().height() + kBarGap + kDrop;
  leastHeight_ = 2 * kMargin + (Levels - 1) * levelPitch + FieldHeight;
  arrange();
}

bool DecompositionTreeView::eventFilter(QObject* watched, QEvent* event) {
  // Event filters see the events of disabled fields too, and those take no
  // double-click.
  auto* field = qobject_cast<WrappingField*>(watched);
  if (event->type() == QEvent::MouseButtonDblClick && field != nullptr && field->isEnabled()) {
    emit schemaDoubleClicked(field->property("tag").toInt());
    return true;
  }
  return QFrame::eventFilter(watched, event);
}

void DecompositionTreeView::setJoined(int node, bool joined) {
  joined_[node] = joined;
  update();
}

int DecompositionTreeView::subtreeWidth(int slot) const {
  const WrappingField& field = *fields_[slot];
  if (field.isHidden()) return 0;
  const QLabel& number = *numberLabels_[slot];
  const int numberWidth = number.isHidden() ? 0 : number.width() + kNumberGap;
  int width = numberWidth + field.width();
  if (HasChildren(slot)) {
    const QLabel& label = *splitLabels_[slot];
    if (!label.text().isEmpty()) width = std::max(width, label.width());
    const int left = subtreeWidth(2 * slot + 1);
    const int right = subtreeWidth(2 * slot + 2);
    const int gap = left > 0 && right > 0 ? kSiblingGap : 0;
    width = std::max(width, left + gap + right);
  }
  return width;
}

void DecompositionTreeView::place(int slot, int left, int level) {
  WrappingField& field = *fields_[slot];
  if (field.isHidden()) return;
  const int span = subtreeWidth(slot);
  QLabel& number = *numberLabels_[slot];
  const int numberWidth = number.isHidden() ? 0 : number.width() + kNumberGap;
  const int unit = numberWidth + field.width();
  const int top = levelTops_[level];
  const int unitLeft = left + (span - unit) / 2;
  // The number stands beside the first line of its box.
  number.move(unitLeft, top + (FieldHeight - number.height()) / 2);
  field.move(unitLeft + numberWidth, top);
  if (!HasChildren(slot)) return;

  QLabel& label = *splitLabels_[slot];
  const int centre = field.geometry().center().x();
  const int labelLeft = std::clamp(centre - label.width() / 2, left, left + span - label.width());
  label.move(labelLeft, top + field.height() + kLabelTop);
  const int leftWidth = subtreeWidth(2 * slot + 1);
  const int rightWidth = subtreeWidth(2 * slot + 2);
  const int gap = leftWidth > 0 && rightWidth > 0 ? kSiblingGap : 0;
  const int childrenLeft = left + (span - leftWidth - gap - rightWidth) / 2;
  place(2 * slot + 1, childrenLeft, level + 1);
  place(2 * slot + 2, childrenLeft + leftWidth + gap, level + 1);
}

int DecompositionTreeView::measureLevels() {
  std::array<int, Levels> heights{};
  int lowest = 0;
  for (int slot = 0; slot < TreeSlots; ++slot) {
    if (fields_[slot]->isHidden()) continue;
    const int level = Level(slot);
    heights[level] = std::max(heights[level], fields_[slot]->height());
    lowest = std::max(lowest, level);
  }
  const int labelHeight = splitLabels_[0]->height();
  levelTops_[0] = kMargin;
  for (int level = 1; level < Levels; ++level) {
    levelTops_[level] = levelTops_[level - 1] + std::max(heights[level - 1], FieldHeight) +
                        kLabelTop + labelHeight + kBarGap + kDrop;
  }
  return levelTops_[lowest] + heights[lowest];
}

void DecompositionTreeView::arrange() {
  for (int slot = 0; slot < TreeSlots; ++slot) {
    WrappingField& field = *fields_[slot];
    const QSize size = field.SizeWithin(WrapWidth(Level(slot)));
    field.resize(std::max(size.width(), kMinimumFieldWidth), std::max(size.height(), FieldHeight));
    QLabel& number = *numberLabels_[slot];
    number.resize(TextWidth(number, number.text()) + 4, number.fontMetrics().height());
  }
  for (int node = 0; node < SplitNodes; ++node) {
    QLabel& label = *splitLabels_[node];
    label.resize(TextWidth(label, label.text()) + 6, label.fontMetrics().height());
    // Only a split node's label is placed; any other would be a patch of
    // background left where the tree once put it, over a box grown since.
    label.setVisible(!label.text().isEmpty() && !fields_[node]->isHidden());
  }
  const int bottom = measureLevels();
  treeWidth_ = subtreeWidth(0);
  setMinimumSize(std::max(MinimumWidth, treeWidth_ + 2 * kMargin),
                 std::max(leastHeight_, bottom + kMargin));
  place(0, std::max(kMargin, (width() - treeWidth_) / 2), 0);
  update();
}

void DecompositionTreeView::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  place(0, std::max(kMargin, (width() - treeWidth_) / 2), 0);
}

void DecompositionTreeView::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QPen(colours::ButtonFace(), kLinePen, Qt::SolidLine, Qt::FlatCap));
  for (int node = 0; node < SplitNodes; ++node)
    drawConnectors(painter, node);
}

void DecompositionTreeView::drawConnectors(QPainter& painter, int node) const {
  const WrappingField& parent = *fields_[node];
  if (!joined_[node] || parent.isHidden()) return;
  const int centre = parent.geometry().center().x();
  int barY = -1;
  int barLeft = centre;
  int barRight = centre;
  for (int child : {2 * node + 1, 2 * node + 2}) {
    const WrappingField& field = *fields_[child];
    if (field.isHidden()) continue;
    const int x = field.geometry().center().x();
    barY = field.y() - kDrop;
    painter.drawLine(x, barY, x, field.y());
    barLeft = std::min(barLeft, x);
    barRight = std::max(barRight, x);
  }
  if (barY < 0) return;
  // The stub runs behind the node's own split label, which names the
  // connection.
  painter.drawLine(centre, parent.geometry().bottom(), centre, barY);
  painter.drawLine(barLeft, barY, barRight, barY);
}
