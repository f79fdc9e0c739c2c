#pragma once

// The dependency editor's working rows. A row is one line of the editor: a
// left-hand side and up to three right-hand attributes, one for each
// right-hand picker. On commit every right-hand attribute becomes a record of
// its own.

#include <array>
#include <string>
#include <vector>

#include "Schema.h"

inline constexpr int RowLhsPickers = 5;
inline constexpr int RowRhsSlots = 3;

struct DependencyRow {
  // Ascending in rows the editor composes, in the record's own order in rows
  // taken from a record. Rows taken from a file may carry more than the five
  // attributes the pickers allow, so the row holds as many as a record does.
  std::array<AttributeIndex, MaxAttributes> lhs;
  // The right-hand attribute of pickers 1, 2, 3 in their own slots.
  std::array<AttributeIndex, RowRhsSlots> rhsSlots;

  DependencyRow() {
    lhs.fill(NoAttribute);
    rhsSlots.fill(NoAttribute);
  }
  bool operator==(const DependencyRow&) const = default;
};

// Puts `attribute` in front of the first slot holding NoAttribute or an index
// not smaller than it, moving the rest one slot on; the side stays ascending,
// and an attribute chosen twice is stored twice.
void InsertAscending(DependencyRow& row, AttributeIndex attribute);

// A row showing one record: its left-hand side as it stands, its right-hand
// attribute in the first slot.
DependencyRow RowFromDependency(const Dependency& dependency);

// One record per right-hand slot that holds an attribute, rows in order and
// slots 1, 2, 3 within a row; each carries the row's whole left-hand side.
DependencyList DependenciesFromRows(const std::vector<DependencyRow>& rows);

// The text of a line the editor composes: the left-hand names in picker order
// joined by " + ", " -> ", then each right-hand name preceded by " " and, from
// the second on, "+ ". Two blanks follow the arrow, unlike the one-blank
// notation of a listed record.
std::string EditorLineText(const std::vector<AttributeIndex>& lhsInPickerOrder,
                           const std::vector<AttributeIndex>& rhsInPickerOrder,
                           const AttributeTable& names);
