#include "Nf.h"

#include "Closure.h"

AttributeSet MarkNonPrimeAttributes(const KeyList& keys) {
  AttributeSet prime;
  for (const KeyRecord& k : keys)
    prime = prime | k.member;
  return AttributeSet{AllAttributesMask} - prime;
}

NormalFormClass DependencyNormalForm(const Dependency& dependency, const KeyList& keys,
                                     AttributeSet nonPrime) {
  const AttributeIndex b = dependency.Rhs();
  if (dependency.LhsHas(b)) return NormalFormClass::Bcnf;
  const AttributeSet lhs = dependency.LhsSet();
  for (const KeyRecord& k : keys) {
    if (k.member.IsSubsetOf(lhs)) return NormalFormClass::Bcnf;
  }
  if (!nonPrime.Has(b)) return NormalFormClass::ThirdOnly;
  return NormalFormClass::Violates3NF;
}

bool IsSecondNormalForm(AttributeSet member, const DependencyList& dependencies,
                        const KeyList& keys) {
  const AttributeSet nonPrime = member & MarkNonPrimeAttributes(keys);
  if (nonPrime.Empty()) return true;
  const FastClosure closure(dependencies);
  for (const KeyRecord& k : keys) {
    for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
      if (!k.member.Has(i)) continue;
      AttributeSet part = k.member;
      part.Remove(i);
      if (!(closure.Close(part) & nonPrime).Empty()) return false;
    }
  }
  return true;
}
