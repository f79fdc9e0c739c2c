#include "TFrame_Decomposition_Tree.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "Display.h"

namespace {

struct Point {
  int left;
  int top;
};

// Where each slot's field stands in the picture. The layout is part of what
// students learn to read, so it is fixed.
constexpr std::array<Point, TreeSlots> kFields = {{
    {280, 10},
    {170, 50},
    {390, 50},
    {60, 100},
    {197, 100},
    {363, 100},
    {500, 100},
    {5, 150},
    {60, 190},
    {170, 150},
    {217, 190},
    {335, 150},
    {390, 190},
    {583, 150},
    {555, 190},
}};

constexpr std::array<Point, SplitNodes> kSplitLabels = {{
    {160, 30},
    {64, 80},
    {328, 80},
    {32, 128},
    {200, 128},
    {352, 128},
    {520, 128},
}};

constexpr int kBorderPen = 10;
constexpr int kLinePen = 3;
constexpr int kNumberWidth = 16;
constexpr int kNumberHeight = 14;

QLabel* TreeLabel(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  QFont font = label->font();
  font.setPointSize(8);
  label->setFont(font);
  SetBackground(*label, TFrame_Decomposition_Tree::Background());
  return label;
}

}  // namespace

QColor TFrame_Decomposition_Tree::Background() {
  return QColor(138, 156, 245);
}

TFrame_Decomposition_Tree::TFrame_Decomposition_Tree(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Frame_Decomposition_Tree1"));
  setFixedSize(PictureWidth, PictureHeight);

  picture_ = QPixmap(PictureWidth, PictureHeight);
  picture_.fill(Background());
  QPainter painter(&picture_);
  painter.setPen(QPen(colours::ButtonFace(), kBorderPen));
  painter.drawRect(0, 0, PictureWidth, PictureHeight);

  for (int slot = 0; slot < TreeSlots; ++slot) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("Edit%1").arg(slot + 1));
    field->setReadOnly(true);
    field->setProperty("tag", slot);
    field->setGeometry(kFields[slot].left, kFields[slot].top, FieldWidth, FieldHeight);
    QFont font = field->font();
    font.setPointSize(8);
    font.setBold(slot == 0);
    field->setFont(font);
    fields_[slot] = field;

    // The root's number is never shown; slot 7 stands at the picture's left
    // edge, so its number sits above its field's left end.
    const QString name =
        slot == 0 ? QStringLiteral("Label_No_15") : QStringLiteral("Label_No_%1").arg(slot);
    QLabel* number = TreeLabel(this, name);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const Point at = kFields[slot];
    if (at.left >= kNumberWidth + 1) {
      number->setGeometry(at.left - kNumberWidth - 1, at.top + (FieldHeight - kNumberHeight) / 2,
                          kNumberWidth, kNumberHeight);
    } else {
      number->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      number->setGeometry(at.left, at.top - kNumberHeight, kNumberWidth, kNumberHeight);
    }
    numberLabels_[slot] = number;
  }
  numberLabels_[0]->setText(QStringLiteral("0"));

  for (int node = 0; node < SplitNodes; ++node) {
    QLabel* label = TreeLabel(this, QStringLiteral("Label_Frame_%1").arg(node + 1));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->move(kSplitLabels[node].left, kSplitLabels[node].top);
    splitLabels_[node] = label;
  }
}

void TFrame_Decomposition_Tree::DrawConnectors(int node, const QColor& colour) {
  QPainter painter(&picture_);
  painter.setPen(QPen(colour, kLinePen));
  const Point from = kFields[node];
  for (int child : {2 * node + 1, 2 * node + 2}) {
    const Point to = kFields[child];
    painter.drawLine(from.left + FieldWidth / 2, from.top + FieldHeight - 2,
                     to.left + FieldWidth / 2, to.top);
  }
  update();
}

void TFrame_Decomposition_Tree::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}
