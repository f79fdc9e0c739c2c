#include "RedundancyEdits.h"

#include <algorithm>

DependencyList::iterator FindRecord(DependencyList& dependencies, const Dependency* record) {
  return std::find_if(dependencies.begin(), dependencies.end(),
                      [record](const Dependency& d) { return &d == record; });
}

int EraseLhsAttribute(Dependency& record, AttributeIndex attribute) {
  const auto end = std::find(record.lhs.begin(), record.lhs.end(), NoAttribute);
  const auto it = std::find(record.lhs.begin(), end, attribute);
  if (it == end) return -1;
  std::move(it + 1, record.lhs.end(), it);
  record.lhs.back() = NoAttribute;
  return static_cast<int>(it - record.lhs.begin());
}

void InsertLhsAttribute(Dependency& record, int position, AttributeIndex attribute) {
  std::move_backward(record.lhs.begin() + position, record.lhs.end() - 1, record.lhs.end());
  record.lhs[static_cast<std::size_t>(position)] = attribute;
}
