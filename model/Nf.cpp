#include "Nf.h"

AttributeSet MarkNonPrimeAttributes(const KeyList& keys) {
  AttributeSet prime;
  for (const KeyRecord& k : keys)
    prime = prime | k.member;
  return AttributeSet{AllAttributesMask} - prime;
}

int DependencyNormalForm(const Dependency& dependency, const KeyList& keys, AttributeSet nonPrime) {
  const AttributeIndex b = dependency.Rhs();
  if (dependency.LhsHas(b)) return NfBCNF;
  const AttributeSet lhs = dependency.LhsSet();
  for (const KeyRecord& k : keys) {
    if (k.member.IsSubsetOf(lhs)) return NfBCNF;
  }
  if (!nonPrime.Has(b)) return Nf3NFOnly;
  return NfViolates3NF;
}
