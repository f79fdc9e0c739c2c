#include "RedundantDependenciesWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Display.h"
#include "FindingRows.h"
#include "RowPanel.h"
#include "WrappingField.h"

namespace {

// The window's starting size; it grows from there, and rows beyond its
// lower edge are reached by scrolling.
constexpr int kWidth = 485;
constexpr int kHeight = 399;
// The narrowest the dependency fields get; a longer dependency widens them
// all, so that the rows stay lined up.
constexpr int kEditWidth = 233;

enum Column { EditColumn, ButtonColumn, WhyColumn };

}  // namespace

RedundantDependenciesWindow::RedundantDependenciesWindow(RedundantDependenciesSession& session,
                                                         SchemaHost& host, MessageService& messages,
                                                         ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), session_(session), messages_(messages) {
  setObjectName(QStringLiteral("Form_Redundant_Dependency"));
  setWindowTitle(tr("Schemario - Redundantni zavislosti"));

  canvas_ = MakeScrollingCanvas(*this, QSize(0, 0));
  notice_ = new OutOfDateNotice(*this);
  AddUndoActions(*this, host.Document().undoStack());

  Label1 = new QLabel(tr("Redundantni zavislosti:"), canvas_);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont font = Label1->font();
  font.setBold(true);
  font.setUnderline(true);
  Label1->setFont(font);
  rows_ = new RowPanel(canvas_);
  rows_->grid().setVerticalSpacing(6);
  rows_->grid().setHorizontalSpacing(23);
  rows_->grid().setColumnStretch(EditColumn, 1);
  auto* column = new QVBoxLayout(canvas_);
  column->setContentsMargins(24, 24, 24, 24);
  column->setSpacing(14);
  column->addWidget(Label1);
  column->addWidget(rows_);
  column->addStretch(1);

  connect(&session_, &RedundancyFindingsSession::rowsChanged, this,
          &RedundantDependenciesWindow::buildRows);
  connect(&session_, &RedundancyFindingsSession::rowStatesChanged, this,
          &RedundantDependenciesWindow::showRowStates);
  connect(&session_, &RedundancyFindingsSession::refilled, notice_, &OutOfDateNotice::ShowRefilled);
  resize(kWidth, kHeight);
}

bool RedundantDependenciesWindow::load() {
  notice_->hide();
  return session_.load();
}

void RedundantDependenciesWindow::buildRows() {
  rows_->clear();
  rowControls_.clear();
  for (std::size_t r = 0; r < session_.rows().size(); ++r) {
    const int k = static_cast<int>(r) + 1;
    auto* edit = new WrappingField(rows_);
    edit->setObjectName(QStringLiteral("Edit%1").arg(k));
    rows_->grid().addWidget(edit, k - 1, EditColumn);
    auto* button = new QPushButton(tr("Smazat"), rows_);
    button->setObjectName(QStringLiteral("Button%1").arg(k));
    connect(button, &QPushButton::clicked, this, [this, r] { deleteRow(r); });
    rows_->grid().addWidget(button, k - 1, ButtonColumn);
    auto* why = new QPushButton(tr("Proc?"), rows_);
    why->setObjectName(QStringLiteral("Why%1").arg(k));
    why->setToolTip(tr("Odvozeni teto zavislosti z ostatnich Armstrongovymi pravidly"));
    connect(why, &QPushButton::clicked, this, [this, r] { explainRow(r); });
    rows_->grid().addWidget(why, k - 1, WhyColumn);
    rowControls_.push_back({edit, button, why});
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

void RedundantDependenciesWindow::showRowStates() {
  const std::vector<RedundancyFindingsSession::Row>& rows = session_.rows();
  for (std::size_t r = 0; r < rowControls_.size(); ++r) {
    ShowFinding(rows[r], *rowControls_[r].edit, *rowControls_[r].button, kEditWidth, widestEdit_);
    // A retired row's dependency is gone or no longer redundant.
    rowControls_[r].why->setEnabled(rowControls_[r].button->isEnabled());
  }
  // The canvas measures the panel afresh, not as it was before.
  rows_->updateGeometry();
}

void RedundantDependenciesWindow::deleteRow(std::size_t row) {
  RunStep([this, row] {
    if (!messages_.AskYesNo(tr("Chcete skutecne smazat tuto zavislost?"))) return;
    const RedundancyFindingsSession::Deletion deletion = session_.erase(row);
    for (int k = 0; k < deletion.noLongerRedundant; ++k) {
      messages_.Inform(
          tr("Po smazani teto zavislosti prestaly nektere jine byt redundantni. Tyto budou "
             "oznaceny zlute."));
    }
    if (deletion.noneLeft &&
        messages_.AskYesNo(
            tr("Jiz nezbyvaji zadne redundantni zavislosti, chcete zavrit formular?"))) {
      close();
    }
  });
}

void RedundantDependenciesWindow::explainRow(std::size_t row) {
  RunStep([this, row] {
    const QStringList lines = session_.derivation(row);
    if (!lines.isEmpty()) messages_.Inform(lines.join(QLatin1Char('\n')));
  });
}

void RedundantDependenciesWindow::resetWindow() {
  if (std::vector<std::string> log = session_.close(); !log.empty()) emit dependencyLogReady(log);
}
