#include "SchemaDetails.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "Display.h"
#include "SchemaListing.h"
#include "UpDownControl.h"

namespace {

const char* const kAttributeRule = "--------------";
const char* const kKeyRule = "-------------";

QColor ButtonShadow() {
  return QApplication::palette().color(QPalette::Dark);
}

}  // namespace

SchemaDetails::SchemaDetails(DetailControls controls, RowStyle style, QObject* parent)
    : QObject(parent),
      controls_(controls),
      style_(std::move(style)),
      attributesMinimum_(controls_.attributes->width()),
      panelMinimum_(controls_.rowPanel->width()),
      keysMinimum_(controls_.keys->width()),
      rowWidth_(style_.minimumWidth) {}

QVBoxLayout& SchemaDetails::LayOut(QWidget& panel, const QMargins& margins, int gap) {
  auto* grid = new QGridLayout(&panel);
  grid->setContentsMargins(margins);
  grid->setHorizontalSpacing(gap);
  grid->setVerticalSpacing(2);
  grid->addWidget(controls_.attributesHeading, 0, 0);
  grid->addWidget(controls_.dependenciesHeading, 0, 1);
  grid->addWidget(controls_.keysHeading, 0, 3);
  grid->addWidget(controls_.attributes, 1, 0, Qt::AlignTop);
  grid->addWidget(controls_.rowPanel, 1, 1, Qt::AlignTop);
  grid->addWidget(controls_.upDown, 1, 2, Qt::AlignTop);
  auto* keysColumn = new QVBoxLayout;
  keysColumn->addWidget(controls_.keys);
  keysColumn->addStretch(1);
  grid->addLayout(keysColumn, 1, 3);
  // Spare width stays right of the keys.
  grid->setColumnStretch(4, 1);
  besideColumns_ = margins.left() + margins.right() + 3 * gap + controls_.upDown->width();
  return *keysColumn;
}

void SchemaDetails::Show(const SubSchema& schema, const AttributeTable& names,
                         const QStringList& keyLines) {
  DestroyRows();
  controls_.upDown->SetPosition(0);

  for (QPlainTextEdit* memo : {controls_.attributes, controls_.keys}) {
    memo->setEnabled(true);
    SetBackground(*memo, colours::White);
    memo->clear();
  }
  SetHeadingsColour(Qt::black);
  controls_.upDown->setEnabled(!schema.dependencies.empty());

  int tag = 0;
  for (const Dependency& d : schema.dependencies) {
    auto* row = new QLineEdit(controls_.rowPanel);
    row->setObjectName(QStringLiteral("Edit_Dep%1").arg(tag + 1));
    row->setProperty("tag", tag);
    row->setReadOnly(true);
    QFont font = row->font();
    font.setPointSize(10);
    row->setFont(font);
    QPalette palette = row->palette();
    palette.setColor(QPalette::Text, Qt::black);
    row->setPalette(palette);
    if (style_.initialBackground.isValid()) SetBackground(*row, style_.initialBackground);
    row->setToolTip(style_.hint);
    row->installEventFilter(this);
    dependencyRows.push_back(row);
    row->show();
    ShowDependencyNormalForm(d, schema.keys, names, *row);
    ++tag;
  }

  AppendLines(*controls_.attributes, ListAttributeLines(PackedNames(names, schema.member)));
  AppendLine(*controls_.attributes, QString::fromLatin1(kAttributeRule));
  for (const QString& line : keyLines)
    AppendLine(*controls_.keys, line);
  AppendLine(*controls_.keys, QString::fromLatin1(kKeyRule));
  FitColumns();
  for (QLineEdit* row : dependencyRows) {
    // A row the screen leaves too narrow shows its beginning and holds the
    // whole dependency in its tooltip.
    if (style_.textInTooltip || WholeTextWidth(*row, row->text()) > rowWidth_)
      row->setToolTip(TextWithHint(row->text(), style_.hint));
  }
  LayOutRows();
  controls_.upDown->setVisible(static_cast<int>(dependencyRows.size()) >= style_.pagedFrom);
  // A key too long for its column wraps between names; the rule under the
  // keys lies on no band.
  QPlainTextEdit& keys = *controls_.keys;
  keys.setLineWrapMode(keys.width() < WholeLinesWidth(keys) ? QPlainTextEdit::WidgetWidth
                                                            : QPlainTextEdit::NoWrap);
  ShadeWrappedLines(keys, static_cast<int>(keyLines.size()));
  // Changing the blocks moves the view; the reader starts at the first key.
  keys.verticalScrollBar()->setValue(0);
}

void SchemaDetails::FitColumns() {
  const int attributes = std::max(attributesMinimum_, WholeLinesWidth(*controls_.attributes));
  int rows = style_.minimumWidth;
  for (QLineEdit* row : dependencyRows)
    rows = std::max(rows, WholeTextWidth(*row, row->text()));
  const int keys = std::max(keysMinimum_, WholeLinesWidth(*controls_.keys));
  // What the screen leaves for the rows and the keys together. When both
  // need more, the keys keep at least two fifths of it and wrap, and the
  // rows show their beginning.
  // The panel lies in the window's scrolling content, whose margins count
  // too.
  QWidget& panel = *controls_.rowPanel->parentWidget();
  QWidget& content = *panel.parentWidget();
  const QMargins margins = content.layout()->contentsMargins();
  const int room = CanvasRoom(*panel.window(), content) - margins.left() - margins.right() -
                   besideColumns_ - attributes - 2 * SchemaDetails::RowLeft;
  const int keysShare = std::min(keys, std::max(keysMinimum_, room * 2 / 5));
  const int keysWidth = std::clamp(room - rows, keysShare, keys);
  rowWidth_ = std::max(style_.minimumWidth, std::min(rows, room - keysWidth));
  controls_.attributes->setFixedWidth(attributes);
  controls_.rowPanel->setFixedWidth(
      std::max(panelMinimum_, rowWidth_ + 2 * SchemaDetails::RowLeft));
  controls_.keys->setFixedWidth(keysWidth);
}

void SchemaDetails::Clear() {
  SetHeadingsColour(ButtonShadow());
  for (QPlainTextEdit* memo : {controls_.attributes, controls_.keys}) {
    memo->clear();
    memo->setEnabled(false);
    SetBackground(*memo, colours::ButtonFace());
  }
  DestroyRows();
  controls_.upDown->SetPosition(0);
  controls_.upDown->setEnabled(false);
  controls_.upDown->hide();
}

void SchemaDetails::Page(int position, bool upPressed) {
  const int count = static_cast<int>(dependencyRows.size());
  if (position == 0) {
    LayOutRows();
  } else if (!upPressed) {
    MoveRows(RowPitch);
  } else if (position <= count - 1) {
    MoveRows(-RowPitch);
  } else {
    controls_.upDown->SetPosition(count - 1);
  }
}

bool SchemaDetails::eventFilter(QObject* watched, QEvent* event) {
  // Event filters see the events of disabled rows too, and those rows take
  // no double-click.
  auto* row = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::MouseButtonDblClick && style_.doubleClicked && row != nullptr &&
      row->isEnabled()) {
    const int tag = watched->property("tag").toInt();
    style_.doubleClicked(tag);
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void SchemaDetails::DestroyRows() {
  for (QLineEdit* row : dependencyRows)
    delete row;
  dependencyRows.clear();
}

void SchemaDetails::LayOutRows() {
  int top = FirstRowTop;
  for (QLineEdit* row : dependencyRows) {
    row->setGeometry(RowLeft, top, rowWidth_, RowHeight);
    ShowIfInPanel(*row);
    top += RowPitch;
  }
}

void SchemaDetails::MoveRows(int dy) {
  for (QLineEdit* row : dependencyRows) {
    row->move(row->x(), row->y() + dy);
    ShowIfInPanel(*row);
  }
}

void SchemaDetails::ShowIfInPanel(QLineEdit& row) const {
  // A row paged out of the panel is not shown at all rather than half cut.
  row.setVisible(controls_.rowPanel->rect().contains(row.geometry()));
}

void SchemaDetails::SetHeadingsColour(const QColor& colour) {
  for (QLabel* heading :
       {controls_.attributesHeading, controls_.dependenciesHeading, controls_.keysHeading}) {
    QPalette palette = heading->palette();
    palette.setColor(QPalette::WindowText, colour);
    heading->setPalette(palette);
  }
}
