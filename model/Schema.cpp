#include "Schema.h"

int Dependency::LhsCount() const {
  int n = 0;
  while (n < MaxAttributes && lhs[n] != NoAttribute)
    ++n;
  return n;
}

AttributeSet Dependency::LhsSet() const {
  AttributeSet s;
  for (int i = 0; i < MaxAttributes && lhs[i] != NoAttribute; ++i)
    s.Add(lhs[i]);
  return s;
}

bool Dependency::LhsHas(AttributeIndex a) const {
  for (int i = 0; i < MaxAttributes && lhs[i] != NoAttribute; ++i) {
    if (lhs[i] == a) return true;
  }
  return false;
}

Dependency NewDependency(const std::vector<AttributeIndex>& lhs, AttributeIndex rhs) {
  Dependency d;
  for (std::size_t i = 0; i < lhs.size() && i < MaxAttributes; ++i)
    d.lhs[i] = lhs[i];
  d.rhs = RhsItem{rhs, 0};
  return d;
}

Dependency NewDependency(std::initializer_list<AttributeIndex> lhs, AttributeIndex rhs) {
  return NewDependency(std::vector<AttributeIndex>(lhs), rhs);
}

const std::string& Schema::AttributeName(std::size_t index) const {
  static const std::string kEmpty;
  return index < attributes.size() ? attributes[index] : kEmpty;
}

void Schema::ClearSchema() {
  ReplaceDependencies({});
  keys.clear();
  attributes.fill(std::string());
}
