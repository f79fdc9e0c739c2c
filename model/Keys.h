#pragma once

#include <optional>

#include "Schema.h"

// One key of the schema by attribute elimination, or nothing when every name
// is empty. The key depends on the list order and on trying attributes for
// removal in ascending index order.
std::optional<KeyRecord> FindFirstKey(const DependencyList& dependencies,
                                      const AttributeTable& names);

// Lucchesi-Osborn: cuts `keys` back to its first record, a key, and appends
// every further candidate key in the order found. Returns false for an empty
// list (nothing done), true otherwise.
bool FindAllKeys(KeyList& keys, const DependencyList& dependencies, const AttributeTable& names);

// The key list as the main window recomputes it: the first key, then all keys
// if there was a first one.
KeyList ComputeKeys(const DependencyList& dependencies, const AttributeTable& names);
