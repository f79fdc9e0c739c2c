#include "FindingRows.h"

#include <QPushButton>
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

}  // namespace

void ShowFinding(const RedundancyFindingsSession::Row& row, WrappingField& dependency,
                 QPushButton& button, int narrowest, int widest) {
  dependency.setText(Breakable(ToText(row.dependency)));
  dependency.setMinimumWidth(std::max(narrowest, std::min(dependency.OneLineWidth(), widest)));
  SetBackground(dependency, FindingColour(row.state));
  button.setEnabled(row.state == RedundancyFindingsSession::RowState::Redundant);
}

int WidestFinding(QWidget& window, QWidget& canvas, RowPanel& rows, const QWidget& field) {
  // Every field of the column is as narrow as a line edit gets until its
  // dependency is shown.
  const int beside = rows.minimumSizeHint().width() - field.minimumSizeHint().width();
  return RoomFor(window, canvas, rows) - beside;
}
