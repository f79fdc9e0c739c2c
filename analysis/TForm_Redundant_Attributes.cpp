#include "TForm_Redundant_Attributes.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "Data_statement_2.h"
#include "Display.h"
#include "Redundance.h"
#include "RedundancyEdits.h"

namespace {

// The window's starting size; it grows from there, and rows beyond its
// lower edge are reached by scrolling.
constexpr int kWidth = 624;
constexpr int kHeight = 399;
constexpr int kFixedRows = 8;
// The narrowest the dependency fields get; a longer dependency widens them
// all, so that the rows stay lined up.
constexpr int kEditWidth = 201;

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, bool emphasised) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  if (emphasised) {
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(true);
    label->setFont(font);
  }
  return label;
}

}  // namespace

TForm_Redundant_Attributes::TForm_Redundant_Attributes(SchemaHost& host, MessageService& messages,
                                                       ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Redundant_Attributes"));
  setWindowTitle(tr("Schemario - Redundantni atributy"));

  canvas_ = MakeScrollingCanvas(*this, QSize(0, 0));
  notice_ = new OutOfDateNotice(*this);
  connect(&host_.Document(), &SchemaDocument::changed, this,
          &TForm_Redundant_Attributes::SchemaChanged);
  AddUndoActions(*this, host_.Document().undoStack());

  Label1 = MakeLabel(canvas_, QStringLiteral("Label1"), tr("Redundantni atributy:"), true);
  auto* column = new QVBoxLayout(canvas_);
  column->setContentsMargins(24, 24, 24, 24);
  column->setSpacing(24);
  column->addWidget(Label1);
  rowGrid_ = new QGridLayout;
  rowGrid_->setVerticalSpacing(6);
  rowGrid_->setColumnStretch(3, 1);
  column->addLayout(rowGrid_);
  column->addStretch(1);
  for (int k = 0; k < kFixedRows; ++k)
    AddRowControls();
  ResetRows();
  resize(kWidth, kHeight);
}

void TForm_Redundant_Attributes::AddRowControls() {
  const int k = static_cast<int>(rows_.size()) + 1;
  Row row;
  row.Label_A = MakeLabel(canvas_, QStringLiteral("Label_A%1").arg(k), tr("Atribut"), false);
  row.Label_Atr = MakeLabel(canvas_, QStringLiteral("Label_Atr%1").arg(k), QString(), true);
  row.Label_D = MakeLabel(canvas_, QStringLiteral("Label_D%1").arg(k), tr("v zavislosti"), false);
  row.Edit = new QLineEdit(canvas_);
  row.Edit->setObjectName(QStringLiteral("Edit%1").arg(k));
  row.Edit->setReadOnly(true);
  row.Edit->setFocusPolicy(Qt::ClickFocus);
  row.Edit->setMinimumWidth(kEditWidth);
  row.Button = new QPushButton(tr("Smazat"), canvas_);
  row.Button->setObjectName(QStringLiteral("Button%1").arg(k));
  row.Button->setProperty("tag", k - 1);
  QPushButton* button = row.Button;
  connect(button, &QPushButton::clicked, this, [this, button] { Button1Click(button); });
  int column = 0;
  for (QWidget* w : {static_cast<QWidget*>(row.Label_A), static_cast<QWidget*>(row.Label_Atr),
                     static_cast<QWidget*>(row.Label_D), static_cast<QWidget*>(row.Edit),
                     static_cast<QWidget*>(row.Button)}) {
    rowGrid_->addWidget(w, k - 1, column++);
  }
  rows_.push_back(row);
  rowAttribute.push_back(NoAttribute);
  rowDependency.push_back(nullptr);
}

bool TForm_Redundant_Attributes::LoadSchema() {
  // Used again while open, the window starts afresh rather than adding the
  // new findings behind the old ones.
  ResetRows();
  notice_->hide();
  const Schema& schema = host_.LiveSchema();
  attributeNames_ = schema.attributes;
  const bool found = HasRedundantAttribute(
      schema.dependencies, [this](AttributeIndex attribute, const Dependency& record) {
        AddAttributeRow(attribute, record);
      });
  // Each field is as wide as the longest dependency, as far as the screen
  // leaves beside the rest of its row; a longer dependency shows its
  // beginning, with the whole in its tooltip.
  const int widest = RoomFor(*this, *canvas_, *rows_.front().Edit);
  for (const Row& row : rows_)
    row.Edit->setMinimumWidth(std::max(kEditWidth, std::min(row.Edit->minimumWidth(), widest)));
  GrowToContent(*this, *canvas_);
  return found;
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
  row.Label_Atr->setText(ToText(NameOf(attributeNames_, attribute)));
  row.Button->setEnabled(true);
  SetBackground(*row.Edit, colours::White);
  for (QWidget* w : {static_cast<QWidget*>(row.Label_A), static_cast<QWidget*>(row.Label_Atr),
                     static_cast<QWidget*>(row.Label_D), static_cast<QWidget*>(row.Edit),
                     static_cast<QWidget*>(row.Button)}) {
    w->show();
  }
  ShowDependencyRow(*row.Edit, record);
}

void TForm_Redundant_Attributes::ShowDependencyRow(QLineEdit& edit, const Dependency& record) {
  ShowWhole(edit, ToText(ShowDependency(record, attributeNames_)));
  edit.setMinimumWidth(std::max(kEditWidth, WholeTextWidth(edit, edit.text())));
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
    ShowDependencyRow(*rows_[j].Edit, *rowDependency[j]);
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
    row.Edit->setMinimumWidth(kEditWidth);
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
  lastRow = -1;
  deletionsMade = false;
}

void TForm_Redundant_Attributes::FormClose() {
  if (deletionsMade) {
    const Schema& schema = host_.LiveSchema();
    std::vector<std::string> log = ListDependencyLines(schema.dependencies, schema.attributes);
    log.emplace_back(DependencySeparator);
    emit dependencyLogReady(log);
  }
  ResetRows();
}
