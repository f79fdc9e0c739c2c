// Sub-schemas, the decomposition step, uncovered dependencies, projection and
// the reports.

#include <gtest/gtest.h>

#include <functional>

#include "BruteForce.h"
#include "Closure.h"
#include "Keys.h"
#include "SchemaText.h"
#include "SubSchema.h"

namespace {

SubSchema Record(const std::string& members, const std::string& deps) {
  SubSchema r;
  r.member = Set(members);
  r.dependencies = Deps(deps);
  return r;
}

TEST(SubSchema, MemberNamesHoldDataAtMembersOnly) {
  const AttributeTable names = MemberNames(Set("BD"));
  EXPECT_EQ(names[0], "");
  EXPECT_EQ(names[1], "data");
  EXPECT_EQ(names[2], "");
  EXPECT_EQ(names[3], "data");
}

TEST(SubSchema, KeysAreFoundOverTheMembersOnly) {
  // Attribute A is no member, so the key search must not put it into a key.
  SubSchema r = Record("BCD", "B->C; C->B");
  EXPECT_EQ(KeyLetters(FindSchemaKeys(r)), (std::vector<std::string>{"BD", "CD"}));
}

TEST(SubSchema, NormalFormTakesTheWeakestClass) {
  struct Case {
    const char* members;
    const char* deps;
    std::uint32_t expected;
  } cases[] = {
      {"ABC", "", 4},             // no dependency
      {"ABC", "A->B; B->C", 2},   // B -> C violates 3NF
      {"ABC", "B->C; A->B", 2},   // the order does not matter
      {"ABC", "AB->C; C->B", 3},  // C -> B violates only BCNF
      {"AB", "A->B; B->A", 4},    // both sides are keys
      {"ABC", "AB->C; C->B; A->A", 3},
  };
  for (const Case& c : cases) {
    SubSchema r = Record(c.members, c.deps);
    r.keys = FindSchemaKeys(r);
    ComputeNormalForm(r);
    EXPECT_EQ(r.normalForm, c.expected) << c.deps;
  }
}

TEST(CompleteByProjection, AppendsWhatTheSourceImpliesInsideTheRecord) {
  struct Case {
    const char* members;
    const char* own;
    const char* source;
    const char* expected;
  } cases[] = {
      // The lost A + C -> D comes back as A -> D.
      {"ABD", "A->B", "A->B; B->C; AC->D", "A->B; A->D"},
      // A -> C through the missing B.
      {"AC", "", "A->B; B->C", "A->C"},
      // Right-hand attributes of one subset in index order.
      {"ABC", "", "A->C; A->B", "A->B; A->C"},
      // What the list already implies for a smaller subset is not repeated
      // for a larger one.
      {"ABC", "", "A->C; B->C", "A->C; B->C"},
      // Left-hand sides ascending, whatever the source's order.
      {"ACD", "", "CA->B; B->D", "AC->D"},
      // Subsets of one size in lexicographic order of positions: A D comes
      // before B C.
      {"ABCDE", "", "BC->E; AD->E", "AD->E; BC->E"},
      // Nothing to add when the list already implies everything.
      {"ABC", "A->B; B->C", "A->B; B->C", "A->B; B->C"},
      // A single member has no proper non-empty subset.
      {"A", "", "B->A", ""},
      // A record without members.
      {"", "", "A->B", ""},
  };
  for (const Case& c : cases) {
    SubSchema r = Record(c.members, c.own);
    CompleteByProjection(r, Deps(c.source));
    EXPECT_EQ(DepsText(r.dependencies), c.expected) << c.members << " / " << c.source;
  }
}

TEST(CompleteByProjection, AppendedRecordsAreMarkedUsedAndKeepOneRightHandItem) {
  SubSchema r = Record("ABD", "A->B");
  r.dependencies.front().used = 0;
  CompleteByProjection(r, Deps("A->B; B->C; AC->D"));
  ASSERT_EQ(r.dependencies.size(), 2u);
  EXPECT_EQ(r.dependencies.front().used, 0u);
  const Dependency& added = r.dependencies.back();
  EXPECT_EQ(added.used, 1u);
  EXPECT_EQ(added.rhs.mark, 0u);
  EXPECT_EQ(added.LhsCount(), 1);
  for (int i = 1; i < MaxAttributes; ++i)
    EXPECT_EQ(added.lhs[i], NoAttribute);
}

// The completed list is exactly the projection of the source onto the
// members: everything it implies inside the record holds under the source,
// and everything the source implies inside the record follows from it.
TEST(CompleteByProjection, GivesTheProjectionOfTheSource) {
  std::mt19937 rng(515);
  for (int s = 0; s < 500; ++s) {
    const int n = std::uniform_int_distribution<int>(1, 7)(rng);
    const DependencyList source = brute::RandomDependencies(rng, n, 10, 3);
    const std::uint32_t members =
        std::uniform_int_distribution<std::uint32_t>(1, (1u << n) - 1)(rng);
    SubSchema r;
    r.member = AttributeSet{members};
    CompleteByProjection(r, source);
    const std::vector<brute::Fd> f = brute::FromList(source);
    const std::vector<brute::Fd> g = brute::FromList(r.dependencies);
    for (std::uint32_t x = members; x != 0; x = (x - 1) & members) {
      EXPECT_EQ(brute::Closure(x, g) & members, brute::Closure(x, f) & members)
          << DepsText(source) << " on " << Letters(AttributeSet{members});
    }
  }
}

// The completion exactly as stated, with the list-walking closure and a
// recursive enumeration, as a reference for the fast one.
void StatedCompletion(SubSchema& r, const DependencyList& source) {
  std::vector<AttributeIndex> members;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (r.member.Has(i)) members.push_back(i);
  }
  const int n = static_cast<int>(members.size());
  std::vector<AttributeIndex> chosen;
  std::function<void(int, int)> pick = [&](int from, int k) {
    if (static_cast<int>(chosen.size()) == k) {
      AttributeSet p = AttributeSet::Of({});
      for (AttributeIndex a : chosen)
        p.Add(a);
      AttributeSet q = p;
      ComputeClosure(p, NoAttribute, source, nullptr);
      ComputeClosure(q, NoAttribute, r.dependencies, nullptr);
      for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
        if (r.member.Has(a) && p.Has(a) && !q.Has(a)) {
          Dependency d = NewDependency(chosen, a);
          d.used = 1;
          r.dependencies.push_back(d);
        }
      }
      return;
    }
    for (int i = from; i < n; ++i) {
      chosen.push_back(members[i]);
      pick(i + 1, k);
      chosen.pop_back();
    }
  };
  for (int k = 1; k < n; ++k)
    pick(0, k);
}

TEST(CompleteByProjection, AppendsTheSameRecordsInTheSameOrderAsStated) {
  std::mt19937 rng(5152);
  for (int s = 0; s < 400; ++s) {
    const int n = std::uniform_int_distribution<int>(2, 8)(rng);
    const DependencyList source = brute::RandomDependencies(rng, n, 12, 3);
    SubSchema fast;
    fast.member = AttributeSet{std::uniform_int_distribution<std::uint32_t>(1, (1u << n) - 1)(rng)};
    // Start from some of the source's records inside the record, as the
    // decomposition does.
    for (const Dependency& d : source) {
      if ((d.LhsSet() | AttributeSet::Of({d.Rhs()})).IsSubsetOf(fast.member) && rng() % 2 == 0)
        fast.dependencies.push_back(d);
    }
    SubSchema stated = fast;
    CompleteByProjection(fast, source);
    StatedCompletion(stated, source);
    EXPECT_EQ(DepsText(fast.dependencies), DepsText(stated.dependencies)) << DepsText(source);
  }
}

}  // namespace
