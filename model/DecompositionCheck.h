#pragma once

// Judges a decomposition the student proposes for a schema, the way a grader
// would: coverage of the attributes, lossless join by the chase, the
// dependencies lost, and each part's keys and highest normal form under the
// dependencies that hold in it.

#include <optional>
#include <vector>

#include "Schema.h"

// Highest normal form a schema satisfies, weakest first.
enum class NormalFormLevel { First, Second, Third, BoyceCodd };

// One cell of the chase table: the distinguished symbol 'a' of its column,
// or a 'b'. All cells of a column that hold the same 'b' carry the same row,
// the smallest row (0-based) among them, so the table does not depend on the
// order in which the chase equated symbols.
struct ChaseCell {
  bool distinguished = false;
  int row = 0;

  bool operator==(const ChaseCell&) const = default;
};

struct PartVerdict {
  AttributeSet member;
  // A cover of the dependencies that hold in the part, over its members.
  DependencyList dependencies;
  // Every candidate key of the part under those dependencies.
  KeyList keys;
  NormalFormLevel level = NormalFormLevel::BoyceCodd;
  // Why the part reaches no higher form: a dependency holding in the part
  // that breaks the next form (for first normal form: a proper subset of a
  // key that determines an attribute outside every key). None for BCNF.
  std::optional<Dependency> reason;
};

struct DecompositionVerdict {
  // The attributes with a name, which the parts should cover.
  AttributeSet schemaAttributes;
  AttributeSet uncovered;
  // The schema's attributes in index order: the columns of `chase`.
  std::vector<AttributeIndex> columns;
  // One row per part, in the order of the parts, after the chase.
  std::vector<std::vector<ChaseCell>> chase;
  // The first row that holds only 'a' (0-based); none when the join loses
  // information.
  std::optional<int> losslessRow;
  // Dependencies of the schema, in list order, that the dependencies holding
  // in the parts do not imply together.
  DependencyList lost;
  std::vector<PartVerdict> parts;
};

// `parts` are non-empty sets of named attributes. Each part's cover comes
// from the subset completion, which visits every subset of the part.
DecompositionVerdict CheckDecomposition(const AttributeTable& names,
                                        const DependencyList& dependencies,
                                        const std::vector<AttributeSet>& parts);
