#pragma once

// Erasing a name in the attribute editor moves the names behind it to lower
// slots. The records that refer to moved names follow them, so that no
// dependency or key silently comes to mean another attribute.

#include <array>

#include "Schema.h"

// map[i] is the slot attribute i occupies after the edit; NoAttribute when it
// was erased.
using AttributeMap = std::array<AttributeIndex, MaxAttributes>;

// origin[k] is the slot the name now in slot k came from; NoAttribute for a
// name that is new.
AttributeMap MapFromOrigins(const std::array<AttributeIndex, MaxAttributes>& origin);

// Whether any record names the attribute, on its left-hand side or as its
// right-hand attribute.
bool DependenciesUse(const DependencyList& dependencies, AttributeIndex attribute);

// Moves every left-hand and right-hand index to its new slot, in place, so
// that the records keep their identity and their left-hand order. The editor
// never erases a name a record uses; an index the map does not carry stays.
void RenumberDependencies(DependencyList& dependencies, const AttributeMap& map);

// Moves the members of every key; an erased attribute leaves the key.
void RenumberKeys(KeyList& keys, const AttributeMap& map);
