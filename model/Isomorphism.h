#pragma once

// Whether two schemas are one assignment under different names, so that a
// set of generated assignments holds no schema twice.

#include "Schema.h"

// Whether some renaming (a permutation) of the attributes 0 .. attributeCount
// - 1 turns the dependencies of `first` into those of `second`. A list counts
// as the set of its (left-hand set, right-hand attribute) pairs: the order of
// the records and within a left-hand side, repeated left-hand entries and
// records listed twice make no difference. The comparison is of the lists as
// written, not of what they imply: A -> B, B -> C and A -> B, B -> C, A -> C
// differ. Every attribute of both lists must be below attributeCount.
bool SameUpToRenaming(const DependencyList& first, const DependencyList& second,
                      int attributeCount);
