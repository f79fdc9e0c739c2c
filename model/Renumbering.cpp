#include "Renumbering.h"

namespace {

AttributeIndex Moved(AttributeIndex index, const AttributeMap& map) {
  if (index >= MaxAttributes || map[index] == NoAttribute) return index;
  return map[index];
}

}  // namespace

AttributeMap MapFromOrigins(const std::array<AttributeIndex, MaxAttributes>& origin) {
  AttributeMap map;
  map.fill(NoAttribute);
  for (AttributeIndex slot = 0; slot < MaxAttributes; ++slot) {
    if (origin[slot] < MaxAttributes) map[origin[slot]] = slot;
  }
  return map;
}

bool DependenciesUse(const DependencyList& dependencies, AttributeIndex attribute) {
  for (const Dependency& d : dependencies) {
    if (d.Rhs() == attribute || d.LhsHas(attribute)) return true;
  }
  return false;
}

void RenumberDependencies(DependencyList& dependencies, const AttributeMap& map) {
  for (Dependency& d : dependencies) {
    for (int i = 0; i < MaxAttributes && d.lhs[i] != NoAttribute; ++i)
      d.lhs[i] = Moved(d.lhs[i], map);
    d.rhs.attribute = Moved(d.rhs.attribute, map);
  }
}

void RenumberKeys(KeyList& keys, const AttributeMap& map) {
  for (KeyRecord& key : keys) {
    AttributeSet moved;
    for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
      if (key.member.Has(i) && map[i] != NoAttribute) moved.Add(map[i]);
    }
    key.member = moved;
  }
}
