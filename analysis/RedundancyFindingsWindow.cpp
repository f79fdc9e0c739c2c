#include "RedundancyFindingsWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "Display.h"
#include "RowPanel.h"
#include "WrappingField.h"

namespace {

QColor FindingColour(RedundancyFindingsSession::RowState state) {
  switch (state) {
    case RedundancyFindingsSession::RowState::Redundant:
      return colours::White;
    case RedundancyFindingsSession::RowState::Deleted:
      return colours::Light3D();
    case RedundancyFindingsSession::RowState::NoLongerRedundant:
      return colours::RowYellow;
  }
  return colours::White;
}

// Shows one row: its dependency whole, on one line as wide as it needs
// between `narrowest` and `widest`, beyond that over further lines; white
// while it can be deleted, grey once deleted, yellow once no longer
// redundant; and its button enabled while it can be deleted.
void ShowFinding(const RedundancyFindingsSession::Row& row, WrappingField& dependency,
                 QPushButton& button, int narrowest, int widest) {
  dependency.setText(Breakable(ToText(row.dependency)));
  dependency.setMinimumWidth(std::max(narrowest, std::min(dependency.OneLineWidth(), widest)));
  SetBackground(dependency, FindingColour(row.state));
  button.setEnabled(row.state == RedundancyFindingsSession::RowState::Redundant);
}

// The widest the dependency fields of `rows`, one of which is `field`, may
// get with the window within the screen: the room the canvas leaves the
// rows less what stands beside the fields.
int WidestFinding(QWidget& window, QWidget& canvas, RowPanel& rows, const QWidget& field) {
  // Every field of the column is as narrow as a line edit gets until its
  // dependency is shown.
  const int beside = rows.minimumSizeHint().width() - field.minimumSizeHint().width();
  return RoomFor(window, canvas, rows) - beside;
}

}  // namespace

RedundancyFindingsWindow::RedundancyFindingsWindow(RedundancyFindingsSession& session,
                                                   SchemaHost& host, MessageService& messages,
                                                   ErrorDisplay& errors, QWidget* parent,
                                                   const QString& heading,
                                                   const QString& deleteText, const Layout& layout)
    : ToolWindow(errors, parent),
      session_(session),
      messages_(messages),
      deleteText_(deleteText),
      layout_(layout) {
  canvas_ = MakeScrollingCanvas(*this, QSize(0, 0));
  notice_ = new OutOfDateNotice(*this);
  AddUndoActions(*this, host.Document().undoStack());

  auto* label = new QLabel(heading, canvas_);
  label->setObjectName(QStringLiteral("Label1"));
  QFont font = label->font();
  font.setBold(true);
  font.setUnderline(true);
  label->setFont(font);
  rows_ = new RowPanel(canvas_);
  rows_->grid().setVerticalSpacing(6);
  rows_->grid().setColumnStretch(layout_.fieldColumn, 1);
  auto* column = new QVBoxLayout(canvas_);
  column->setContentsMargins(24, 24, 24, 24);
  column->setSpacing(layout_.headingGap);
  column->addWidget(label);
  column->addWidget(rows_);
  column->addStretch(1);

  connect(&session_, &RedundancyFindingsSession::rowsChanged, this,
          &RedundancyFindingsWindow::buildRows);
  connect(&session_, &RedundancyFindingsSession::rowStatesChanged, this,
          &RedundancyFindingsWindow::showRowStates);
  connect(&session_, &RedundancyFindingsSession::refilled, notice_, &OutOfDateNotice::ShowRefilled);
}

bool RedundancyFindingsWindow::load() {
  notice_->hide();
  return session_.load();
}

void RedundancyFindingsWindow::buildRows() {
  rows_->clear();
  rowControls_.clear();
  QGridLayout& grid = rows_->grid();
  for (std::size_t r = 0; r < session_.rows().size(); ++r) {
    const int line = static_cast<int>(r);
    auto* field = new WrappingField(rows_);
    field->setObjectName(QStringLiteral("Edit%1").arg(line + 1));
    grid.addWidget(field, line, layout_.fieldColumn);
    auto* button = new QPushButton(deleteText_, rows_);
    button->setObjectName(QStringLiteral("Button%1").arg(line + 1));
    connect(button, &QPushButton::clicked, this, [this, r] { deleteRow(r); });
    grid.addWidget(button, line, layout_.deleteColumn);
    rowControls_.push_back({field, button});
    addRowControls(grid, r);
  }
  // Controls made on a panel already shown wait to be told to show.
  for (QWidget* control : rows_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    control->show();
  // Each field is as wide as the longest dependency, as far as the screen
  // leaves beside the rest of its row; a longer dependency goes on over
  // further lines.
  widestField_ = rowControls_.empty()
                     ? layout_.narrowestField
                     : WidestFinding(*this, *canvas_, *rows_, *rowControls_[0].field);
  showRowStates();
  if (!rowControls_.empty()) GrowToContent(*this, *canvas_);
}

void RedundancyFindingsWindow::showRowStates() {
  const std::vector<RedundancyFindingsSession::Row>& rows = session_.rows();
  for (std::size_t r = 0; r < rowControls_.size(); ++r) {
    ShowFinding(rows[r], *rowControls_[r].field, *rowControls_[r].button, layout_.narrowestField,
                widestField_);
    showRowState(r, rowControls_[r].button->isEnabled());
  }
  // The canvas measures the panel afresh, not as it was before.
  rows_->updateGeometry();
}

void RedundancyFindingsWindow::showRowState(std::size_t /*row*/, bool /*deletable*/) {}

void RedundancyFindingsWindow::deleteRow(std::size_t row) {
  RunStep([this, row] {
    const DeletionTexts texts = deletionTexts();
    if (!messages_.AskYesNo(texts.confirm)) return;
    const RedundancyFindingsSession::Deletion deletion = session_.erase(row);
    for (int k = 0; k < deletion.noLongerRedundant; ++k)
      messages_.Inform(texts.noLongerRedundant);
    if (deletion.noneLeft && messages_.AskYesNo(texts.noneLeft)) close();
  });
}

void RedundancyFindingsWindow::resetWindow() {
  if (std::vector<std::string> log = session_.close(); !log.empty()) emit dependencyLogReady(log);
}
