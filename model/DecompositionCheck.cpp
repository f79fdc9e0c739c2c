#include "DecompositionCheck.h"

#include <algorithm>
#include <array>
#include <bit>

#include "Closure.h"
#include "Nf.h"
#include "SubSchema.h"

namespace {

// The distinguished symbol in the working table; 'b' symbols are row
// numbers, so the smaller of two symbols is 'a' or the earlier row.
constexpr int Distinguished = -1;

using Row = std::array<int, MaxAttributes>;

// Equates, in every pair of rows that agree on a dependency's left-hand
// side, the symbols of its right-hand side, until no dependency changes the
// table. Keeping the smaller symbol of each pair makes every symbol the
// smallest of the cells it was merged from.
void Chase(std::vector<Row>& table, const DependencyList& dependencies) {
  bool changed = true;
  while (changed) {
    changed = false;
    for (const Dependency& d : dependencies) {
      const AttributeSet lhs = d.LhsSet();
      const AttributeIndex b = d.Rhs();
      for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = i + 1; j < table.size(); ++j) {
          if (table[i][b] == table[j][b]) continue;
          bool agree = true;
          for (AttributeIndex c = 0; c < MaxAttributes && agree; ++c)
            agree = !lhs.Has(c) || table[i][c] == table[j][c];
          if (!agree) continue;
          const int keep = std::min(table[i][b], table[j][b]);
          const int drop = std::max(table[i][b], table[j][b]);
          for (Row& row : table) {
            if (row[b] == drop) row[b] = keep;
          }
          changed = true;
        }
      }
    }
  }
}

// The closure of `start` under the dependencies that hold in the parts,
// without listing them: each part adds what it derives from its share.
AttributeSet PreservedClosure(AttributeSet start, const FastClosure& closure,
                              const std::vector<AttributeSet>& parts) {
  AttributeSet z = start;
  AttributeSet before;
  do {
    before = z;
    for (const AttributeSet part : parts)
      z = z | (closure.Close(z & part) & part);
  } while (z != before);
  return z;
}

// A proper subset of a key that determines a member outside every key, as
// the dependency from that subset to the first such member.
std::optional<Dependency> PartialDependency(const SubSchema& record) {
  const AttributeSet nonPrime = record.member & MarkNonPrimeAttributes(record.keys);
  const FastClosure closure(record.dependencies);
  for (const KeyRecord& k : record.keys) {
    for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
      if (!k.member.Has(i)) continue;
      AttributeSet subset = k.member;
      subset.Remove(i);
      const AttributeSet reached = closure.Close(subset) & nonPrime;
      if (reached.Empty()) continue;
      std::vector<AttributeIndex> lhs;
      for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
        if (subset.Has(a)) lhs.push_back(a);
      }
      return NewDependency(lhs, static_cast<AttributeIndex>(std::countr_zero(reached.mask)));
    }
  }
  return std::nullopt;
}

std::optional<Dependency> FirstOfClass(const SubSchema& record, NormalFormClass nfClass) {
  const AttributeSet nonPrime = MarkNonPrimeAttributes(record.keys);
  for (const Dependency& d : record.dependencies) {
    if (DependencyNormalForm(d, record.keys, nonPrime) == nfClass) return d;
  }
  return std::nullopt;
}

PartVerdict JudgePart(AttributeSet member, const DependencyList& dependencies) {
  SubSchema record;
  record.member = member;
  CompleteByProjection(record, dependencies);
  record.keys = FindSchemaKeys(record);
  ComputeNormalForm(record);

  PartVerdict verdict;
  verdict.member = member;
  switch (record.normalForm) {
    // A part without dependencies violates nothing.
    case NormalFormClass::NotComputed:
    case NormalFormClass::Bcnf:
      verdict.level = NormalFormLevel::BoyceCodd;
      break;
    case NormalFormClass::ThirdOnly:
      verdict.level = NormalFormLevel::Third;
      verdict.reason = FirstOfClass(record, NormalFormClass::ThirdOnly);
      break;
    case NormalFormClass::Violates3NF:
      if (record.belowSecondNormalForm) {
        verdict.level = NormalFormLevel::First;
        verdict.reason = PartialDependency(record);
      } else {
        verdict.level = NormalFormLevel::Second;
        verdict.reason = FirstOfClass(record, NormalFormClass::Violates3NF);
      }
      break;
  }
  verdict.dependencies = std::move(record.dependencies);
  verdict.keys = std::move(record.keys);
  return verdict;
}

}  // namespace

DecompositionVerdict CheckDecomposition(const AttributeTable& names,
                                        const DependencyList& dependencies,
                                        const std::vector<AttributeSet>& parts) {
  DecompositionVerdict verdict;
  AttributeSet covered;
  for (const AttributeSet part : parts)
    covered = covered | part;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (names[i].empty()) continue;
    verdict.schemaAttributes.Add(i);
    verdict.columns.push_back(i);
  }
  verdict.uncovered = verdict.schemaAttributes - covered;

  // The chase runs over all twenty attributes, so that a dependency naming
  // an attribute without a name still compares whole rows; only the named
  // columns are shown.
  std::vector<Row> table(parts.size());
  for (std::size_t r = 0; r < parts.size(); ++r) {
    for (AttributeIndex c = 0; c < MaxAttributes; ++c)
      table[r][c] = parts[r].Has(c) ? Distinguished : static_cast<int>(r);
  }
  Chase(table, dependencies);
  for (std::size_t r = 0; r < table.size(); ++r) {
    std::vector<ChaseCell> row;
    bool onlyA = true;
    for (const AttributeIndex c : verdict.columns) {
      const int symbol = table[r][c];
      row.push_back(symbol == Distinguished ? ChaseCell{true, 0} : ChaseCell{false, symbol});
      onlyA = onlyA && symbol == Distinguished;
    }
    if (onlyA && !verdict.losslessRow) verdict.losslessRow = static_cast<int>(r);
    verdict.chase.push_back(std::move(row));
  }

  const FastClosure closure(dependencies);
  for (const Dependency& d : dependencies) {
    if (!PreservedClosure(d.LhsSet(), closure, parts).Has(d.Rhs())) verdict.lost.push_back(d);
  }

  for (const AttributeSet part : parts)
    verdict.parts.push_back(JudgePart(part, dependencies));
  return verdict;
}
