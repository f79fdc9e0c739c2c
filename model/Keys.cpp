#include "Keys.h"

#include "Closure.h"

namespace {

// Removes, in ascending order, every attribute that the rest of the set still
// implies.
AttributeSet ReduceToKey(AttributeSet k, const DependencyList& dependencies) {
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (!k.Has(i)) continue;
    k.Remove(i);
    AttributeSet t = k;
    ComputeClosure(t, i, dependencies, nullptr);
    if (!t.Has(i)) k.Add(i);
  }
  return k;
}

}  // namespace

std::optional<KeyRecord> FindFirstKey(const DependencyList& dependencies,
                                      const AttributeTable& names) {
  AttributeSet k;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (!names[i].empty()) k.Add(i);
  }
  if (k.Empty()) return std::nullopt;

  // Quick pass. A record whose right-hand attribute stands in its own
  // left-hand side implies nothing new, so it must not remove that attribute.
  for (const Dependency& d : dependencies) {
    if (d.LhsHas(d.Rhs())) continue;
    if (d.LhsSet().IsSubsetOf(k)) k.Remove(d.Rhs());
  }
  return KeyRecord{ReduceToKey(k, dependencies), 0};
}

bool FindAllKeys(KeyList& keys, const DependencyList& dependencies, const AttributeTable& names) {
  if (keys.empty()) return false;
  keys.resize(1);

  // The walk reaches keys appended during it, so index rather than iterate.
  for (std::size_t current = 0; current < keys.size(); ++current) {
    for (const Dependency& d : dependencies) {
      const AttributeSet key = keys[current].member;
      if (!key.Has(d.Rhs())) continue;
      AttributeSet s = d.LhsSet() | key;
      s.Remove(d.Rhs());

      bool covered = false;
      for (const KeyRecord& j : keys) {
        if (j.member.IsSubsetOf(s)) {
          covered = true;
          break;
        }
      }
      if (covered) continue;

      s = ReduceToKey(s, dependencies);
      AttributeSet t = s;
      ComputeClosure(t, NoAttribute, dependencies, nullptr);
      // Every attribute of the schema, not only those before the first empty
      // name: a sub-schema's table is empty at every non-member. A record
      // whose right-hand attribute stands in its own left-hand side gives a
      // set that need not be a superkey at all; this test turns it away.
      bool accepted = true;
      for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
        if (!names[i].empty() && !t.Has(i)) {
          accepted = false;
          break;
        }
      }
      if (accepted) keys.push_back(KeyRecord{s, 0});
    }
  }
  return true;
}

KeyList ComputeKeys(const DependencyList& dependencies, const AttributeTable& names) {
  KeyList keys;
  if (std::optional<KeyRecord> first = FindFirstKey(dependencies, names)) {
    keys.push_back(*first);
    FindAllKeys(keys, dependencies, names);
  }
  return keys;
}
