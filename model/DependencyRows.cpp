#include "DependencyRows.h"

#include <algorithm>

#include "SchemaListing.h"

void InsertAscending(DependencyRow& row, AttributeIndex attribute) {
  auto& lhs = row.lhs;
  const auto slot = std::find_if(lhs.begin(), lhs.end(), [attribute](AttributeIndex a) {
    return a == NoAttribute || a >= attribute;
  });
  if (slot == lhs.end()) return;  // a full side takes nothing more
  std::move_backward(slot, lhs.end() - 1, lhs.end());
  *slot = attribute;
}

DependencyRow RowFromDependency(const Dependency& dependency) {
  DependencyRow row;
  row.lhs = dependency.lhs;
  row.rhsSlots[0] = dependency.Rhs();
  return row;
}

DependencyList DependenciesFromRows(const std::vector<DependencyRow>& rows) {
  DependencyList list;
  for (const DependencyRow& row : rows) {
    for (AttributeIndex rhs : row.rhsSlots) {
      if (rhs == NoAttribute) continue;
      Dependency d;
      d.lhs = row.lhs;
      d.rhs = RhsItem{rhs, 0};
      list.push_back(d);
    }
  }
  return list;
}

std::string EditorLineText(const std::vector<AttributeIndex>& lhsInPickerOrder,
                           const std::vector<AttributeIndex>& rhsInPickerOrder,
                           const AttributeTable& names) {
  std::string text;
  for (std::size_t i = 0; i < lhsInPickerOrder.size(); ++i) {
    if (i > 0) text += " + ";
    text += NameOf(names, lhsInPickerOrder[i]);
  }
  text += " -> ";
  for (std::size_t i = 0; i < rhsInPickerOrder.size(); ++i) {
    text += " ";
    if (i > 0) text += "+ ";
    text += NameOf(names, rhsInPickerOrder[i]);
  }
  return text;
}
