#include "SchemaDetails.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "Display.h"
#include "SchemaListing.h"
#include "SchemaReport.h"
#include "UpDownControl.h"
#include "WrappingField.h"

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
  QFont bold = controls_.title->font();
  bold.setBold(true);
  controls_.title->setFont(bold);
  grid->addWidget(controls_.title, 0, 0, 1, 4);
  grid->addWidget(controls_.attributesHeading, 1, 0);
  grid->addWidget(controls_.dependenciesHeading, 1, 1);
  grid->addWidget(controls_.keysHeading, 1, 3);
  grid->addWidget(controls_.attributes, 2, 0, Qt::AlignTop);
  grid->addWidget(controls_.rowPanel, 2, 1, Qt::AlignTop);
  // The paging arrows keep their room while hidden, so that the columns do
  // not shift when a schema of many dependencies brings them.
  QSizePolicy arrows = controls_.upDown->sizePolicy();
  arrows.setRetainSizeWhenHidden(true);
  controls_.upDown->setSizePolicy(arrows);
  grid->addWidget(controls_.upDown, 2, 2, Qt::AlignTop);
  keysColumn_ = new QVBoxLayout;
  keysColumn_->addWidget(controls_.keys);
  keysColumn_->addStretch(1);
  grid->addLayout(keysColumn_, 2, 3);
  // Spare width stays right of the keys.
  grid->setColumnStretch(4, 1);
  besideColumns_ = margins.left() + margins.right() + 3 * gap + controls_.upDown->width();
  return *keysColumn_;
}

void SchemaDetails::Reserve(const SubSchema& schema, const AttributeTable& names,
                            const QStringList& keyLines) {
  Show(schema, NumberLabel{}, names, keyLines);
  Clear();
}

void SchemaDetails::Show(const SubSchema& schema, const NumberLabel& number,
                         const AttributeTable& names, const QStringList& keyLines) {
  DestroyRows();
  // A joined schema's label names it already ("Schema 3+5").
  if (!number.joined.empty()) {
    controls_.title->setText(NumberLabelText(number));
  } else if (number.number) {
    controls_.title->setText(
        QCoreApplication::translate("SchemaDetails", "Schema %1").arg(*number.number));
  } else {
    controls_.title->setText(QCoreApplication::translate("SchemaDetails", "Puvodni schema"));
  }
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
    auto* row = new WrappingField(controls_.rowPanel);
    row->setObjectName(QStringLiteral("Edit_Dep%1").arg(tag + 1));
    row->setProperty("tag", tag);
    QFont font = row->font();
    font.setPointSize(10);
    row->setFont(font);
    QPalette palette = row->palette();
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    row->setPalette(palette);
    if (style_.initialBackground.isValid()) SetBackground(*row, style_.initialBackground);
    row->installEventFilter(this);
    dependencyRows.push_back(row);
    row->show();
    ShowDependencyNormalForm(d, schema.keys, names, *row);
    row->setToolTip(style_.textInTooltip ? TextWithHint(Unbreakable(row->text()), style_.hint)
                                         : style_.hint);
    ++tag;
  }
  firstShown_ = 0;

  AppendLines(*controls_.attributes, ListAttributeLines(PackedNames(names, schema.member)));
  AppendLine(*controls_.attributes, QString::fromLatin1(kAttributeRule));
  for (const QString& line : keyLines)
    AppendLine(*controls_.keys, line);
  AppendLine(*controls_.keys, QString::fromLatin1(kKeyRule));
  FitColumns();
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
  for (const WrappingField* row : dependencyRows)
    rows = std::max(rows, row->OneLineWidth());
  const int keys = std::max(keysMinimum_, WholeLinesWidth(*controls_.keys));
  // What the screen leaves for the rows and the keys together. When both
  // need more, the keys keep at least two fifths of it, and both wrap.
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
  // The panel is measured afresh even before the window handles its events,
  // so that the window may take the room at once.
  keysColumn_->invalidate();
  panel.layout()->invalidate();
  panel.updateGeometry();
}

void SchemaDetails::Clear() {
  controls_.title->clear();
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

void SchemaDetails::Page(int position) {
  // The control's position is the first row shown.
  const int count = static_cast<int>(dependencyRows.size());
  firstShown_ = std::clamp(position, 0, std::max(0, count - 1));
  if (position != firstShown_) controls_.upDown->SetPosition(firstShown_);
  LayOutRows();
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
  for (WrappingField* row : dependencyRows)
    delete row;
  dependencyRows.clear();
}

void SchemaDetails::LayOutRows() {
  // A row is a line edit's height, or taller by the lines its dependency
  // wraps onto; the rows paged past lie above the panel.
  std::vector<int> heights;
  for (const WrappingField* row : dependencyRows)
    heights.push_back(std::max(RowHeight, row->heightForWidth(rowWidth_)));
  int top = FirstRowTop;
  for (int k = 0; k < firstShown_; ++k)
    top -= heights[k] + RowGap;
  for (std::size_t k = 0; k < dependencyRows.size(); ++k) {
    WrappingField& row = *dependencyRows[k];
    row.setGeometry(RowLeft, top, rowWidth_, heights[k]);
    // A row paged out of the panel is not shown at all rather than half cut.
    row.setVisible(controls_.rowPanel->rect().contains(row.geometry()));
    top += heights[k] + RowGap;
  }
}

void SchemaDetails::SetHeadingsColour(const QColor& colour) {
  for (QLabel* heading :
       {controls_.attributesHeading, controls_.dependenciesHeading, controls_.keysHeading}) {
    QPalette palette = heading->palette();
    palette.setColor(QPalette::WindowText, colour);
    heading->setPalette(palette);
  }
}
