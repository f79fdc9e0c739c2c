#include "SubSchema.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>
#include <vector>

#include "Keys.h"
#include "Nf.h"
#include "Renumbering.h"
#include "SchemaListing.h"

namespace {

// Closure on masks for the completion, which closes up to 2^20 sets. A set
// that is already closed is extended by following only the attributes that
// join it: a rule can start to fire only when the last attribute of its
// left-hand side joins.
class IncrementalClosure {
 public:
  static constexpr std::uint32_t kNoGoal = ~0u;

  explicit IncrementalClosure(const DependencyList& list) {
    for (const Dependency& d : list)
      Add(d);
  }

  void Add(const Dependency& d) {
    // A record whose right-hand attribute stands in its own left-hand side
    // never adds anything.
    if (d.LhsHas(d.Rhs())) return;
    const Rule rule{d.LhsSet().mask, 1u << d.Rhs()};
    if (rule.lhs == 0) emptyLhs_ |= rule.rhs;
    for (std::uint32_t rest = rule.lhs; rest != 0; rest &= rest - 1)
      byAttribute_[std::countr_zero(rest)].push_back(rule);
  }

  // The closure of the empty set.
  std::uint32_t Base() const { return Extend(0, emptyLhs_, kNoGoal); }

  // The closure of `closed` (closed under the rules) plus `extra`. Stops as
  // soon as every attribute of `goal` is in, so the result is exact only
  // when the goal is not reached.
  std::uint32_t Extend(std::uint32_t closed, std::uint32_t extra, std::uint32_t goal) const {
    std::uint32_t set = closed | extra;
    std::uint32_t pending = extra & ~closed;
    while (pending != 0) {
      if ((set & goal) == goal) return set;
      const int a = std::countr_zero(pending);
      pending &= pending - 1;
      for (const Rule& r : byAttribute_[a]) {
        if ((r.lhs & ~set) == 0 && (set & r.rhs) == 0) {
          set |= r.rhs;
          pending |= r.rhs;
        }
      }
    }
    return set;
  }

 private:
  struct Rule {
    std::uint32_t lhs;
    std::uint32_t rhs;
  };
  std::array<std::vector<Rule>, MaxAttributes> byAttribute_;
  std::uint32_t emptyLhs_ = 0;
};

}  // namespace

AttributeTable MemberNames(AttributeSet member) {
  AttributeTable names;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (member.Has(i)) names[i] = "data";
  }
  return names;
}

Schema StandaloneSchema(const SubSchema& record, const AttributeTable& names) {
  AttributeMap map;
  map.fill(NoAttribute);
  int next = 0;
  for (int i = 0; i < MaxAttributes; ++i) {
    const auto attribute = static_cast<AttributeIndex>(i);
    if (record.member.Has(attribute)) map[i] = static_cast<AttributeIndex>(next++);
  }
  DependencyList dependencies = record.dependencies;
  RenumberDependencies(dependencies, map);
  Schema schema;
  schema.SetAttributes(PackedNames(names, record.member));
  schema.ReplaceDependencies(std::move(dependencies));
  return schema;
}

KeyList FindSchemaKeys(const SubSchema& record) {
  return ComputeKeys(record.dependencies, MemberNames(record.member));
}

void ComputeNormalForm(SubSchema& record) {
  const AttributeSet nonPrime = MarkNonPrimeAttributes(record.keys);
  NormalFormClass nf = NormalFormClass::Bcnf;
  for (const Dependency& d : record.dependencies)
    nf = WeakerClass(nf, DependencyNormalForm(d, record.keys, nonPrime));
  record.normalForm = nf;
  record.belowSecondNormalForm =
      nf == NormalFormClass::Violates3NF &&
      !IsSecondNormalForm(record.member, record.dependencies, record.keys);
}

ReportedNormalForm ReportedNormalFormOf(const SubSchema& record) {
  switch (record.normalForm) {
    case NormalFormClass::Violates3NF:
      return record.belowSecondNormalForm ? ReportedNormalForm::First : ReportedNormalForm::Second;
    case NormalFormClass::ThirdOnly:
      return ReportedNormalForm::Third;
    case NormalFormClass::Bcnf:
      return ReportedNormalForm::Bcnf;
    case NormalFormClass::NotComputed:
      break;
  }
  return ReportedNormalForm::None;
}

SchemaReportBlock ReportBlockOf(const SubSchema& record, const AttributeTable& names,
                                SchemaOrigin origin, NumberLabel label) {
  SchemaReportBlock block;
  block.origin = origin;
  block.label = std::move(label);
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (record.member.Has(i)) block.attributes.push_back(names[i]);
  }
  block.dependencies = ListDependencyLines(record.dependencies, names);
  block.keys = ListKeyLines(record.keys, names);
  block.namedDependencies = NameDependencies(record.dependencies, names);
  for (const KeyRecord& key : record.keys)
    block.namedKeys.push_back(NameSet(key.member, names));
  block.normalForm = ReportedNormalFormOf(record);
  return block;
}

void CompleteByProjection(SubSchema& record, const DependencyList& source) {
  std::vector<AttributeIndex> members;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (record.member.Has(i)) members.push_back(i);
  }
  const int n = static_cast<int>(members.size());
  const std::uint32_t memberMask = record.member.mask;
  const IncrementalClosure sourceClosure(source);
  IncrementalClosure ownClosure(record.dependencies);

  // Level j holds the first j chosen positions: their set and its closures
  // under the source and under the record's list. The last position moves
  // fastest, so most subsets only extend the closures of their prefix.
  // Closures under the list are computed when first needed and dropped
  // whenever the list grows.
  std::array<std::uint32_t, MaxAttributes + 1> x{};
  std::array<std::uint32_t, MaxAttributes + 1> p{};
  std::array<std::uint32_t, MaxAttributes + 1> q{};
  int qValid = 0;  // levels 0 .. qValid - 1 of q are exact
  p[0] = sourceClosure.Base();

  const auto append = [&](const std::vector<AttributeIndex>& lhs, std::uint32_t missing) {
    while (missing != 0) {
      const AttributeIndex a = static_cast<AttributeIndex>(std::countr_zero(missing));
      missing &= missing - 1;
      Dependency added = NewDependency(lhs, a);
      added.used = 1;
      record.dependencies.push_back(added);
      ownClosure.Add(added);
    }
  };

  // The empty set first: a record with an empty left-hand side says that an
  // attribute is constant, and that holds in every schema holding it.
  if (const std::uint32_t constant = p[0] & memberMask & ~ownClosure.Base(); constant != 0)
    append({}, constant);

  std::vector<int> position;
  for (int k = 1; k < n; ++k) {
    position.resize(k);
    for (int i = 0; i < k; ++i)
      position[i] = i;
    int changed = 0;  // the first position that differs from the last subset
    for (;;) {
      for (int j = changed; j < k; ++j) {
        const std::uint32_t bit = 1u << members[position[j]];
        x[j + 1] = x[j] | bit;
        p[j + 1] = sourceClosure.Extend(p[j], bit, IncrementalClosure::kNoGoal);
      }
      qValid = std::min(qValid, changed + 1);

      const std::uint32_t reached = p[k] & memberMask & ~x[k];
      if (reached != 0) {
        if (qValid == 0) {
          q[0] = ownClosure.Base();
          qValid = 1;
        }
        for (; qValid < k; ++qValid) {
          q[qValid] = ownClosure.Extend(q[qValid - 1], 1u << members[position[qValid - 1]],
                                        IncrementalClosure::kNoGoal);
        }
        const std::uint32_t own =
            ownClosure.Extend(q[k - 1], 1u << members[position[k - 1]], reached);
        if (const std::uint32_t missing = reached & ~own; missing != 0) {
          std::vector<AttributeIndex> lhs;
          lhs.reserve(position.size());
          for (int pos : position)
            lhs.push_back(members[pos]);
          append(lhs, missing);
          qValid = 0;
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
      changed = i;
    }
  }
}
