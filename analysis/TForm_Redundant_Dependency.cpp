#include "TForm_Redundant_Dependency.h"

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

namespace {

// The window's starting size; it grows from there, and rows beyond its
// lower edge are reached by scrolling.
constexpr int kWidth = 485;
constexpr int kHeight = 399;
constexpr int kFixedRows = 8;
// The narrowest the dependency fields get; a longer dependency widens them
// all, so that the rows stay lined up.
constexpr int kEditWidth = 233;

}  // namespace

TForm_Redundant_Dependency::TForm_Redundant_Dependency(SchemaHost& host, MessageService& messages,
                                                       ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Redundant_Dependency"));
  setWindowTitle(tr("Schemario - Redundantni zavislosti"));

  canvas_ = MakeScrollingCanvas(*this, QSize(0, 0));
  notice_ = new OutOfDateNotice(*this);
  connect(&host_.Document(), &SchemaDocument::changed, this,
          &TForm_Redundant_Dependency::SchemaChanged);
  AddUndoActions(*this, host_.Document().undoStack());

  Label1 = new QLabel(tr("Redundantni zavislosti:"), canvas_);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont font = Label1->font();
  font.setBold(true);
  font.setUnderline(true);
  Label1->setFont(font);
  auto* column = new QVBoxLayout(canvas_);
  column->setContentsMargins(24, 24, 24, 24);
  column->setSpacing(14);
  column->addWidget(Label1);
  rowGrid_ = new QGridLayout;
  rowGrid_->setVerticalSpacing(6);
  rowGrid_->setHorizontalSpacing(23);
  rowGrid_->setColumnStretch(0, 1);
  column->addLayout(rowGrid_);
  column->addStretch(1);

  for (int k = 0; k < kFixedRows; ++k)
    AddRowControls();
  ResetRows();
  resize(kWidth, kHeight);
}

void TForm_Redundant_Dependency::AddRowControls() {
  const int k = static_cast<int>(rows_.size()) + 1;
  Row row;
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
  rowGrid_->addWidget(row.Edit, k - 1, 0);
  rowGrid_->addWidget(row.Button, k - 1, 1);
  rows_.push_back(row);
  rowDependency.push_back(nullptr);
}

bool TForm_Redundant_Dependency::LoadSchema() {
  // Used again while open, the window starts afresh rather than adding the
  // new findings behind the old ones.
  ResetRows();
  notice_->hide();
  const Schema& schema = host_.LiveSchema();
  attributeNames_ = schema.attributes;
  const bool found = HasRedundantDependency(
      schema.dependencies, [this](const Dependency& record) { AddDependencyRow(record); });
  // Each field is as wide as the longest dependency, as far as the screen
  // leaves beside the rest of its row; a longer dependency shows its
  // beginning, with the whole in its tooltip.
  const int widest = RoomFor(*this, *canvas_, *rows_.front().Edit);
  for (const Row& row : rows_)
    row.Edit->setMinimumWidth(std::max(kEditWidth, std::min(row.Edit->minimumWidth(), widest)));
  GrowToContent(*this, *canvas_);
  return found;
}

void TForm_Redundant_Dependency::SchemaChanged() {
  if (deleting_ || !isVisible()) return;
  // Deletions already made still go to the log when the window closes.
  const bool deleted = deletionsMade;
  LoadSchema();
  deletionsMade = deleted;
  notice_->ShowRefilled();
}

void TForm_Redundant_Dependency::AddDependencyRow(const Dependency& record) {
  ++lastRow;
  while (static_cast<int>(rows_.size()) <= lastRow)
    AddRowControls();
  const Row& row = rows_[lastRow];
  rowDependency[lastRow] = &record;
  row.Button->setEnabled(true);
  SetBackground(*row.Edit, colours::White);
  row.Edit->show();
  row.Button->show();
  ShowWhole(*row.Edit, ToText(ShowDependency(record, attributeNames_)));
  row.Edit->setMinimumWidth(std::max(kEditWidth, WholeTextWidth(*row.Edit, row.Edit->text())));
}

void TForm_Redundant_Dependency::Retire(int r, const QColor& colour) {
  rows_[r].Button->setEnabled(false);
  SetBackground(*rows_[r].Edit, colour);
  --lastRow;
}

void TForm_Redundant_Dependency::Button1Click(QObject* sender) {
  const int r = sender->property("tag").toInt();
  if (!messages_.AskYesNo(tr("Chcete skutecne smazat tuto zavislost?"))) return;

  // The list keeps its order; the first record's successor may become the
  // head.
  SchemaDocument& document = host_.Document();
  deleting_ = true;
  const bool deleted = document.EraseDependency(rowDependency[r]);
  deleting_ = false;
  if (deleted) deletionsMade = true;
  Retire(r, colours::Light3D());

  for (int j = 0; j < static_cast<int>(rows_.size()); ++j) {
    if (!rows_[j].Button->isEnabled() ||
        IsRedundantDependency(document.dependencies(), *rowDependency[j])) {
      continue;
    }
    messages_.Inform(
        tr("Po smazani teto zavislosti prestaly nektere jine byt redundantni. Tyto budou oznaceny "
           "zlute."));
    Retire(j, colours::RowYellow);
  }

  document.MarkDirty(deleted);
  if (lastRow == -1 &&
      messages_.AskYesNo(
          tr("Jiz nezbyvaji zadne redundantni zavislosti, chcete zavrit formular?"))) {
    close();
  }
}

void TForm_Redundant_Dependency::ResetRows() {
  // Rows beyond the eighth exist only for the findings of one filling.
  while (static_cast<int>(rows_.size()) > kFixedRows) {
    delete rows_.back().Edit;
    delete rows_.back().Button;
    rows_.pop_back();
    rowDependency.pop_back();
  }
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const Row& row = rows_[r];
    row.Edit->clear();
    row.Edit->setMinimumWidth(kEditWidth);
    SetBackground(*row.Edit, colours::Light3D());
    row.Edit->setEnabled(true);
    row.Button->setEnabled(false);
    rowDependency[r] = nullptr;
    row.Edit->hide();
    row.Button->hide();
  }
  lastRow = -1;
  deletionsMade = false;
}

void TForm_Redundant_Dependency::FormClose() {
  if (deletionsMade) {
    const Schema& schema = host_.LiveSchema();
    std::vector<std::string> log = ListDependencyLines(schema.dependencies, schema.attributes);
    log.emplace_back(DependencySeparator);
    emit dependencyLogReady(log);
  }
  ResetRows();
}
