#include "RowPanel.h"

#include <QGridLayout>

RowPanel::RowPanel(QWidget* parent) : QWidget(parent), grid_(new QGridLayout(this)) {
  setObjectName(QStringLiteral("Panel_Rows"));
  grid_->setContentsMargins(0, 0, 0, 0);
}

void RowPanel::clear(int firstRow) {
  QList<QWidget*> doomed;
  for (int i = 0; i < grid_->count(); ++i) {
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    grid_->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
    if (QWidget* w = grid_->itemAt(i)->widget(); w != nullptr && row >= firstRow) doomed << w;
  }
  qDeleteAll(doomed);
}
