#include "TForm_Redundant_Attributes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "Data_statement_2.h"
#include "Display.h"
#include "Redundance.h"
#include "RedundancyEdits.h"

namespace {

constexpr int kWidth = 624;
constexpr int kHeight = 399;
// The right edge of the delete buttons and a margin; wider windows need no
// horizontal scrolling.
constexpr int kContentWidth = 530;
constexpr int kFixedRows = 8;
constexpr int kRowStep = 32;
constexpr int kLabelTop = 72;
constexpr int kEditTop = 64;

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                  bool emphasised) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  if (emphasised) {
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(true);
    label->setFont(font);
  }
  label->move(left, top);
  label->adjustSize();
  return label;
}

}  // namespace

TForm_Redundant_Attributes::TForm_Redundant_Attributes(SchemaHost& host, MessageService& messages,
                                                       ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Redundant_Attributes"));
  setWindowTitle(tr("Schemario - Redundantni atributy"));

  canvas_ = MakeScrollingCanvas(*this, QSize(kContentWidth, kHeight));
  notice_ = new OutOfDateNotice(*this);
  connect(&host_.Document(), &SchemaDocument::changed, this,
          &TForm_Redundant_Attributes::SchemaChanged);
  AddUndoActions(*this, host_.Document().undoStack());

  Label1 = MakeLabel(canvas_, QStringLiteral("Label1"), tr("Redundantni atributy:"), 24, 24, true);
  for (int k = 0; k < kFixedRows; ++k)
    AddRowControls();
  ResetRows();
  resize(kWidth, kHeight);
}

void TForm_Redundant_Attributes::AddRowControls() {
  const int k = static_cast<int>(rows_.size()) + 1;
  const int dy = kRowStep * (k - 1);
  Row row;
  row.Label_A = MakeLabel(canvas_, QStringLiteral("Label_A%1").arg(k), tr("Atribut"), 24,
                          kLabelTop + dy, false);
  row.Label_Atr =
      MakeLabel(canvas_, QStringLiteral("Label_Atr%1").arg(k), QString(), 85, kLabelTop + dy, true);
  row.Label_D = MakeLabel(canvas_, QStringLiteral("Label_D%1").arg(k), tr("v zavislosti"), 128,
                          kLabelTop + dy, false);
  row.Edit = new QLineEdit(canvas_);
  row.Edit->setObjectName(QStringLiteral("Edit%1").arg(k));
  row.Edit->setReadOnly(true);
  row.Edit->setFocusPolicy(Qt::ClickFocus);
  row.Edit->setGeometry(240, kEditTop + dy, 201, row.Edit->sizeHint().height());
  row.Button = new QPushButton(tr("Smazat"), canvas_);
  row.Button->setObjectName(QStringLiteral("Button%1").arg(k));
  row.Button->setGeometry(
      456, kEditTop + dy - 1,
      std::max(49, row.Button->fontMetrics().horizontalAdvance(row.Button->text()) + 16),
      row.Edit->height() + 2);
  row.Button->setProperty("tag", k - 1);
  QPushButton* button = row.Button;
  connect(button, &QPushButton::clicked, this, [this, button] { Button1Click(button); });
  rows_.push_back(row);
  rowAttribute.push_back(NoAttribute);
  rowDependency.push_back(nullptr);
  canvas_->setMinimumHeight(std::max(kHeight, row.Button->geometry().bottom() + 24));
}

int TForm_Redundant_Attributes::LoadSchema() {
  // Used again while open, the window starts afresh rather than adding the
  // new findings behind the old ones.
  ResetRows();
  notice_->hide();
  const Schema& schema = host_.LiveSchema();
  attributeNames = schema.attributes;
  return HasRedundantAttribute(schema.dependencies,
                               [this](AttributeIndex attribute, const Dependency& record) {
                                 AddAttributeRow(attribute, record);
                               });
}

void TForm_Redundant_Attributes::SchemaChanged() {
  if (deleting_ || !isVisible()) return;
  // Deletions already made still go to the log when the window closes.
  const bool deleted = deletionsMade;
  LoadSchema();
  deletionsMade = deleted;
  notice_->ShowRefilled();
}

void TForm_Redundant_Attributes::AddAttributeRow(AttributeIndex attribute,
                                                 const Dependency& record) {
  ++lastRow;
  while (static_cast<int>(rows_.size()) <= lastRow)
    AddRowControls();
  const Row& row = rows_[lastRow];
  rowAttribute[lastRow] = attribute;
  rowDependency[lastRow] = &record;
  row.Label_Atr->setText(ToText(NameOf(attributeNames, attribute)));
  row.Label_Atr->adjustSize();
  // A long name pushes the rest of its row to the right instead of running
  // under "v zavislosti".
  row.Label_D->move(std::max(128, row.Label_Atr->geometry().right() + 7), row.Label_D->y());
  const int editLeft = std::max(240, row.Label_D->geometry().right() + 9);
  row.Edit->move(editLeft, row.Edit->y());
  row.Button->move(editLeft + 216, row.Button->y());
  row.Button->setEnabled(true);
  SetBackground(*row.Edit, colours::White);
  for (QWidget* w : {static_cast<QWidget*>(row.Label_A), static_cast<QWidget*>(row.Label_Atr),
                     static_cast<QWidget*>(row.Label_D), static_cast<QWidget*>(row.Edit),
                     static_cast<QWidget*>(row.Button)}) {
    w->show();
  }
  ShowWhole(*row.Edit, ToText(ShowDependency(record, attributeNames)));
  row.Edit->setCursorPosition(0);
}

void TForm_Redundant_Attributes::Retire(int r, const QColor& colour) {
  rows_[r].Button->setEnabled(false);
  SetBackground(*rows_[r].Edit, colour);
  --lastRow;
}

void TForm_Redundant_Attributes::Button1Click(QObject* sender) {
  const int r = sender->property("tag").toInt();
  if (!messages_.AskYesNo(tr("Chcete skutecne smazat tento atribut?"))) return;

  SchemaDocument& document = host_.Document();
  deleting_ = true;
  const bool deleted = document.EraseLhsAttribute(rowDependency[r], rowAttribute[r]);
  deleting_ = false;
  if (deleted) deletionsMade = true;
  Retire(r, colours::Light3D());

  for (int j = 0; j < static_cast<int>(rows_.size()); ++j) {
    if (!rows_[j].Button->isEnabled()) continue;
    // Another row of the same record shows it as it is now.
    ShowWhole(*rows_[j].Edit, ToText(ShowDependency(*rowDependency[j], attributeNames)));
    rows_[j].Edit->setCursorPosition(0);
    if (IsRedundantLhsAttribute(document.dependencies(), *rowDependency[j], rowAttribute[j])) {
      continue;
    }
    messages_.Inform(
        tr("Po smazani tohoto atributu prestal nektery jiny byt redundantni. Radek je oznacen "
           "zlute."));
    Retire(j, colours::RowYellow);
  }

  document.MarkDirty(deleted);
  if (lastRow == -1 &&
      messages_.AskYesNo(tr("Jiz nezbyvaji zadne redundantni atributy, chcete zavrit formular?"))) {
    close();
  }
}

void TForm_Redundant_Attributes::ResetRows() {
  // Rows beyond the eighth exist only for the findings of one filling.
  while (static_cast<int>(rows_.size()) > kFixedRows) {
    const Row& row = rows_.back();
    delete row.Label_A;
    delete row.Label_Atr;
    delete row.Label_D;
    delete row.Edit;
    delete row.Button;
    rows_.pop_back();
    rowAttribute.pop_back();
    rowDependency.pop_back();
  }
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const Row& row = rows_[r];
    row.Edit->clear();
    SetBackground(*row.Edit, colours::Light3D());
    row.Button->setEnabled(false);
    row.Label_Atr->clear();
    rowDependency[r] = nullptr;
    rowAttribute[r] = NoAttribute;
    for (QWidget* w : {static_cast<QWidget*>(row.Label_A), static_cast<QWidget*>(row.Label_Atr),
                       static_cast<QWidget*>(row.Label_D), static_cast<QWidget*>(row.Edit),
                       static_cast<QWidget*>(row.Button)}) {
      w->hide();
    }
  }
  canvas_->setMinimumHeight(kHeight);
  lastRow = -1;
  deletionsMade = false;
}

void TForm_Redundant_Attributes::FormClose() {
  if (deletionsMade) {
    const Schema& schema = host_.LiveSchema();
    host_.AppendDependencyLog(ListDependencyLines(schema.dependencies, schema.attributes));
    host_.AppendDependencyLog({DependencySeparator});
  }
  ResetRows();
}
