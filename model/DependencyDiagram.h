#pragma once

// The layout of a dependency diagram: the attributes as boxes in a row, and
// above and below the row one line per left-hand side, a bracket over the
// attributes of that side with an arrow down to each attribute it
// determines. Positions are in abstract units: slots along the row, lanes
// away from it; the toolkit side turns them into pixels.

#include <cstddef>
#include <vector>

#include "Schema.h"

// The dependencies that share a left-hand side, drawn as one bracket.
struct DiagramGroup {
  AttributeSet lhs;
  // The attributes the side determines, in the order of the records.
  std::vector<AttributeIndex> rhs;
  // The lane the group's line runs in: 0 nearest the row. Above the row or
  // below it.
  int lane = 0;
  bool above = true;
  // The first and last slot the group's line spans (its sides and its
  // arrows' targets).
  int first = 0;
  int last = 0;
};

struct DiagramLayout {
  // The attribute in each slot of the row, left to right.
  std::vector<AttributeIndex> order;
  // The slot of each attribute index; -1 for none.
  std::vector<int> slotOf;
  std::vector<DiagramGroup> groups;
  int lanesAbove = 0;
  int lanesBelow = 0;
};

// Lays out the diagram of the first `n` attributes. The order of the row
// keeps lines short and few lines crossing: it is searched from the order of
// the schema, deterministically, and a shorter or less crossed layout
// always wins over the schema's order.
DiagramLayout LayOutDiagram(const DependencyList& dependencies, int n);

// How many times a vertical stroke of one group (to a side attribute or to an
// arrow's target) crosses the line of another group in the finished layout;
// the measure the order is chosen by, with the lines' lengths.
std::size_t CountCrossings(const DiagramLayout& layout);
