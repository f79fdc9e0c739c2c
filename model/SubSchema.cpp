#include "SubSchema.h"

#include <bit>
#include <vector>

#include "Keys.h"
#include "Nf.h"

namespace {

// A dependency as two masks, for closing many sets cheaply.
struct MaskRule {
  std::uint32_t lhs;
  std::uint32_t rhs;
};

MaskRule RuleOf(const Dependency& d) {
  return MaskRule{d.LhsSet().mask, 1u << d.Rhs()};
}

std::uint32_t Close(std::uint32_t set, const std::vector<MaskRule>& rules) {
  bool changed = true;
  while (changed) {
    changed = false;
    for (const MaskRule& r : rules) {
      if ((r.lhs & ~set) == 0 && (set & r.rhs) == 0) {
        set |= r.rhs;
        changed = true;
      }
    }
  }
  return set;
}

std::vector<MaskRule> RulesOf(const DependencyList& list) {
  std::vector<MaskRule> rules;
  rules.reserve(list.size());
  for (const Dependency& d : list) {
    // A record whose right-hand attribute stands in its own left-hand side
    // never adds anything.
    if (!d.LhsHas(d.Rhs())) rules.push_back(RuleOf(d));
  }
  return rules;
}

}  // namespace

AttributeTable MemberNames(AttributeSet member) {
  AttributeTable names;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (member.Has(i)) names[i] = "data";
  }
  return names;
}

KeyList FindSchemaKeys(const SubSchema& record) {
  return ComputeKeys(record.dependencies, MemberNames(record.member));
}

void ComputeNormalForm(SubSchema& record) {
  const AttributeSet nonPrime = MarkNonPrimeAttributes(record.keys);
  int nf = NfBCNF;
  for (const Dependency& d : record.dependencies) {
    const int r = DependencyNormalForm(d, record.keys, nonPrime);
    if (r == NfViolates3NF) {
      nf = NfViolates3NF;
    } else if (r == Nf3NFOnly && nf != NfViolates3NF) {
      nf = Nf3NFOnly;
    }
  }
  record.normalForm = static_cast<std::uint32_t>(nf);
}

void CompleteByProjection(SubSchema& record, const DependencyList& source) {
  std::vector<AttributeIndex> members;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (record.member.Has(i)) members.push_back(i);
  }
  const int n = static_cast<int>(members.size());
  const std::uint32_t memberMask = record.member.mask;
  const std::vector<MaskRule> sourceRules = RulesOf(source);
  std::vector<MaskRule> ownRules = RulesOf(record.dependencies);

  std::vector<int> position;
  for (int k = 1; k < n; ++k) {
    position.resize(k);
    for (int i = 0; i < k; ++i)
      position[i] = i;
    for (;;) {
      std::uint32_t x = 0;
      for (int p : position)
        x |= 1u << members[p];

      // The list's closure holds X already, so it is only needed when the
      // source reaches a member outside X.
      const std::uint32_t reached = Close(x, sourceRules) & memberMask & ~x;
      if (reached != 0) {
        std::uint32_t missing = reached & ~Close(x, ownRules);
        while (missing != 0) {
          const AttributeIndex a = static_cast<AttributeIndex>(std::countr_zero(missing));
          missing &= missing - 1;
          std::vector<AttributeIndex> lhs;
          for (int p : position)
            lhs.push_back(members[p]);
          Dependency added = NewDependency(lhs, a);
          added.used = 1;
          record.dependencies.push_back(added);
          ownRules.push_back(RuleOf(added));
        }
      }

      // Next subset of this size: the last position that can still move
      // moves on, the ones after it follow directly.
      int i = k - 1;
      while (i >= 0 && position[i] == n - k + i)
        --i;
      if (i < 0) break;
      ++position[i];
      for (int j = i + 1; j < k; ++j)
        position[j] = position[j - 1] + 1;
    }
  }
}
