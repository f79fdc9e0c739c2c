#include "RedundancyEdits.h"

#include <algorithm>

DependencyList::iterator FindRecord(DependencyList& dependencies, const Dependency* record) {
  return std::find_if(dependencies.begin(), dependencies.end(),
                      [record](const Dependency& d) { return &d == record; });
}

bool EraseLhsAttribute(Dependency& record, AttributeIndex attribute) {
  const auto end = std::find(record.lhs.begin(), record.lhs.end(), NoAttribute);
  const auto it = std::find(record.lhs.begin(), end, attribute);
  if (it == end) return false;
  std::move(it + 1, record.lhs.end(), it);
  record.lhs.back() = NoAttribute;
  return true;
}
