#include "RedundantDependenciesWindow.h"

#include <QGridLayout>
#include <QPushButton>

#include "RowPanel.h"

namespace {

// The window's starting size; it grows from there, and rows beyond its
// lower edge are reached by scrolling.
constexpr int kWidth = 485;
constexpr int kHeight = 399;

enum Column { EditColumn, ButtonColumn, WhyColumn };

}  // namespace

RedundantDependenciesWindow::RedundantDependenciesWindow(RedundantDependenciesSession& session,
                                                         SchemaHost& host, MessageService& messages,
                                                         ErrorDisplay& errors, QWidget* parent)
    : RedundancyFindingsWindow(session, host, messages, errors, parent,
                               tr("Redundantni zavislosti:"), tr("Smazat"),
                               {.headingGap = 14,
                                .fieldColumn = EditColumn,
                                .deleteColumn = ButtonColumn,
                                .narrowestField = 233}),
      session_(session) {
  setObjectName(QStringLiteral("Form_Redundant_Dependency"));
  setWindowTitle(tr("Schemario - Redundantni zavislosti"));
  rows().grid().setHorizontalSpacing(23);
  resize(kWidth, kHeight);
}

void RedundantDependenciesWindow::addRowControls(QGridLayout& grid, std::size_t row) {
  auto* why = new QPushButton(tr("Proc?"), &rows());
  why->setObjectName(QStringLiteral("Why%1").arg(row + 1));
  why->setToolTip(tr("Odvozeni teto zavislosti z ostatnich Armstrongovymi pravidly"));
  connect(why, &QPushButton::clicked, this, [this, row] { explainRow(row); });
  grid.addWidget(why, static_cast<int>(row), WhyColumn);
}

RedundancyFindingsWindow::DeletionTexts RedundantDependenciesWindow::deletionTexts() const {
  return {tr("Chcete skutecne smazat tuto zavislost?"),
          tr("Po smazani teto zavislosti prestaly nektere jine byt redundantni. Tyto budou "
             "oznaceny zlute."),
          tr("Jiz nezbyvaji zadne redundantni zavislosti, chcete zavrit formular?")};
}

void RedundantDependenciesWindow::showRowState(std::size_t row, bool deletable) {
  // A retired row's dependency is gone or no longer redundant.
  rows().grid().itemAtPosition(static_cast<int>(row), WhyColumn)->widget()->setEnabled(deletable);
}

void RedundantDependenciesWindow::explainRow(std::size_t row) {
  RunStep([this, row] {
    const QStringList lines = session_.derivation(row);
    if (!lines.isEmpty()) messages().Inform(lines.join(QLatin1Char('\n')));
  });
}
