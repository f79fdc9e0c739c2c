#include "RedundantAttributesWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Display.h"
#include "FindingRows.h"
#include "RowPanel.h"
#include "SchemaListing.h"
#include "WrappingField.h"

namespace {

// The window's starting size; it grows from there, and rows beyond its
// lower edge are reached by scrolling.
constexpr int kWidth = 624;
constexpr int kHeight = 399;
// The narrowest the dependency fields get; a longer dependency widens them
// all, so that the rows stay lined up.
constexpr int kEditWidth = 201;

// The columns of a row: "Atribut", the attribute, "v zavislosti", the
// dependency and its button.
enum Column {
  AttributeWordColumn,
  AttributeColumn,
  DependencyWordColumn,
  EditColumn,
  ButtonColumn
};

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

RedundantAttributesWindow::RedundantAttributesWindow(RedundantAttributesSession& session,
                                                     SchemaHost& host, MessageService& messages,
                                                     ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), session_(session), messages_(messages) {
  setObjectName(QStringLiteral("Form_Redundant_Attributes"));
  setWindowTitle(tr("Schemario - Redundantni atributy"));

  canvas_ = MakeScrollingCanvas(*this, QSize(0, 0));
  notice_ = new OutOfDateNotice(*this);
  AddUndoActions(*this, host.Document().undoStack());

  Label1 = MakeLabel(canvas_, QStringLiteral("Label1"), tr("Redundantni atributy:"), true);
  rows_ = new RowPanel(canvas_);
  rows_->grid().setVerticalSpacing(6);
  rows_->grid().setColumnStretch(EditColumn, 1);
  auto* column = new QVBoxLayout(canvas_);
  column->setContentsMargins(24, 24, 24, 24);
  column->setSpacing(24);
  column->addWidget(Label1);
  column->addWidget(rows_);
  column->addStretch(1);

  connect(&session_, &RedundancyFindingsSession::rowsChanged, this,
          &RedundantAttributesWindow::buildRows);
  connect(&session_, &RedundancyFindingsSession::rowStatesChanged, this,
          &RedundantAttributesWindow::showRowStates);
  connect(&session_, &RedundancyFindingsSession::refilled, notice_, &OutOfDateNotice::ShowRefilled);
  resize(kWidth, kHeight);
}

bool RedundantAttributesWindow::load() {
  notice_->hide();
  return session_.load();
}

void RedundantAttributesWindow::buildRows() {
  rows_->clear();
  rowControls_.clear();
  const std::vector<RedundancyFindingsSession::Row>& rows = session_.rows();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const int k = static_cast<int>(r) + 1;
    QGridLayout& grid = rows_->grid();
    grid.addWidget(MakeLabel(rows_, QStringLiteral("Label_A%1").arg(k), tr("Atribut"), false),
                   k - 1, AttributeWordColumn);
    grid.addWidget(MakeLabel(rows_, QStringLiteral("Label_Atr%1").arg(k),
                             ToText(NameOf(session_.names(), rows[r].attribute)), true),
                   k - 1, AttributeColumn);
    grid.addWidget(MakeLabel(rows_, QStringLiteral("Label_D%1").arg(k), tr("v zavislosti"), false),
                   k - 1, DependencyWordColumn);
    auto* edit = new WrappingField(rows_);
    edit->setObjectName(QStringLiteral("Edit%1").arg(k));
    grid.addWidget(edit, k - 1, EditColumn);
    auto* button = new QPushButton(tr("Smazat"), rows_);
    button->setObjectName(QStringLiteral("Button%1").arg(k));
    connect(button, &QPushButton::clicked, this, [this, r] { deleteRow(r); });
    grid.addWidget(button, k - 1, ButtonColumn);
    rowControls_.push_back({edit, button});
  }
  // Controls made on a panel already shown wait to be told to show.
  for (QWidget* control : rows_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    control->show();
  // Each field is as wide as the longest dependency, as far as the screen
  // leaves beside the rest of its row; a longer dependency goes on over
  // further lines.
  widestEdit_ = rowControls_.empty()
                    ? kEditWidth
                    : WidestFinding(*this, *canvas_, *rows_, *rowControls_[0].edit);
  showRowStates();
  if (!rowControls_.empty()) GrowToContent(*this, *canvas_);
}

void RedundantAttributesWindow::showRowStates() {
  const std::vector<RedundancyFindingsSession::Row>& rows = session_.rows();
  for (std::size_t r = 0; r < rowControls_.size(); ++r)
    ShowFinding(rows[r], *rowControls_[r].edit, *rowControls_[r].button, kEditWidth, widestEdit_);
  // The canvas measures the panel afresh, not as it was before.
  rows_->updateGeometry();
}

void RedundantAttributesWindow::deleteRow(std::size_t row) {
  RunStep([this, row] {
    if (!messages_.AskYesNo(tr("Chcete skutecne smazat tento atribut?"))) return;
    const RedundancyFindingsSession::Deletion deletion = session_.erase(row);
    for (int k = 0; k < deletion.noLongerRedundant; ++k) {
      messages_.Inform(
          tr("Po smazani tohoto atributu prestal nektery jiny byt redundantni. Radek je oznacen "
             "zlute."));
    }
    if (deletion.noneLeft &&
        messages_.AskYesNo(
            tr("Jiz nezbyvaji zadne redundantni atributy, chcete zavrit formular?"))) {
      close();
    }
  });
}

void RedundantAttributesWindow::resetWindow() {
  if (std::vector<std::string> log = session_.close(); !log.empty()) emit dependencyLogReady(log);
}
