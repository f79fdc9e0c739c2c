#include <gtest/gtest.h>

#include <algorithm>
#include <list>
#include <map>
#include <random>

#include "BruteForce.h"
#include "Closure.h"
#include "LiteralMaxSets.h"
#include "MaxSets.h"
#include "SchemaText.h"

namespace {

std::vector<std::string> Sets(const std::vector<SetNode>& sets) {
  std::vector<std::string> out;
  out.reserve(sets.size());
  for (const SetNode& s : sets)
    out.push_back(Letters(s.member));
  return out;
}

TEST(MaxSets, SchemaWithoutDependencies) {
  const DependencyList none;
  const MaxSetFamily max = ComputeMaxSets(none, 3);
  EXPECT_EQ(Sets(max[0]), (std::vector<std::string>{"BC"}));
  EXPECT_EQ(Sets(max[1]), (std::vector<std::string>{"AC"}));
  EXPECT_EQ(Sets(max[2]), (std::vector<std::string>{"AB"}));
  for (AttributeIndex j = 3; j < MaxAttributes; ++j)
    EXPECT_TRUE(max[j].empty());

  const AttributeMaxSets a = ComputeMaxSetsOfAttribute(none, 0, 3);
  EXPECT_EQ(Sets(a.lhsFamily), (std::vector<std::string>{"A"}));
  EXPECT_EQ(Sets(a.transversals), (std::vector<std::string>{"A"}));
  EXPECT_EQ(Sets(a.maxOfA), (std::vector<std::string>{"BC"}));
  EXPECT_TRUE(IsPrimeAttribute(a.maxOfA, 0, none, 3));
  EXPECT_TRUE(IsInBcnf(max, none, 3));
}

// A, B, C with the single dependency A -> B.
TEST(MaxSets, OneDependencyInFull) {
  const AttributeTable names = Names("ABC");
  const DependencyList deps = Deps("A->B");
  const MaxSetFamily max = ComputeMaxSets(deps, 3);
  EXPECT_EQ(Sets(max[0]), (std::vector<std::string>{"BC"}));
  EXPECT_EQ(Sets(max[1]), (std::vector<std::string>{"C"}));
  EXPECT_EQ(Sets(max[2]), (std::vector<std::string>{"AB"}));
  EXPECT_FALSE(IsInBcnf(max, deps, 3));

  const AttributeMaxSets b = ComputeMaxSetsOfAttribute(deps, 1, 3);
  EXPECT_EQ(Sets(b.lhsFamily), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(Sets(b.transversals), (std::vector<std::string>{"AB"}));
  EXPECT_EQ(Sets(b.maxOfA), (std::vector<std::string>{"C"}));
  EXPECT_FALSE(IsPrimeAttribute(b.maxOfA, 1, deps, 3));
  EXPECT_TRUE(IsPrimeAttribute(ComputeMaxSetsOfAttribute(deps, 0, 3).maxOfA, 0, deps, 3));

  EXPECT_EQ(LhsFamilyLine(b.lhsFamily, names, 3), "{  B ; A }");
  EXPECT_EQ(TransversalsLine(b.transversals, names, 3), "{  A B }");
  EXPECT_EQ(MaxOfALine(b.maxOfA, names, 3), "{ C}");
  EXPECT_EQ(
      MaxFamilyEntries(max, names, 3),
      (std::vector<MaxFamilyEntry>{{"A", "   { B C }"}, {"B", "   { C }"}, {"C", "   { A B }"}}));
}

TEST(MaxSets, ListingsSeparateSeveralSets) {
  const AttributeTable names = Names("ABCD");
  const SetList family = {SetNode{Set("A")}, SetNode{Set("BC")}, SetNode{Set("D")}};
  EXPECT_EQ(LhsFamilyLine(family, names, 4), "{  A ; B C ; D }");
  EXPECT_EQ(TransversalsLine(family, names, 4), "{  A;  B C;  D }");
  EXPECT_EQ(MaxOfALine(family, names, 4), "{ A ; B C ; D}");
  MaxSetFamily max;
  max[0] = {SetNode{Set("BC")}, SetNode{Set("D")}};
  max[1] = {SetNode{}};
  // No set at all is no braces: "{ }" is the one empty set.
  const std::vector<MaxFamilyEntry> entries = MaxFamilyEntries(max, names, 4);
  EXPECT_EQ(std::vector<MaxFamilyEntry>(entries.begin(), entries.begin() + 3),
            (std::vector<MaxFamilyEntry>{{"A", "   { B C,  D }"}, {"B", "   { }"}, {"C", ""}}));
  EXPECT_EQ(TransversalsLine({}, names, 4), "");
  EXPECT_EQ(MaxOfALine({}, names, 4), "");
  EXPECT_EQ(MaxOfALine({SetNode{}}, names, 4), "{}");
}

TEST(MaxSets, TransversalsAreMinimalInOrderOfFirstAppearance) {
  struct Case {
    const char* family;
    std::vector<std::string> transversals;
  };
  const Case cases[] = {
      {"A BC", {"AB", "AC"}},
      {"AB AC", {"A", "BC"}},  // supersets of A go
      {"A B AB", {"AB"}},      // the duplicate goes
      {"BC A", {"AB", "AC"}},  // order by the ascending index of the added member
      {"AB CD", {"AC", "BC", "AD", "BD"}},
  };
  for (const Case& c : cases) {
    SetList family;
    std::string text = c.family;
    std::size_t pos = 0;
    while (pos <= text.size()) {
      const std::size_t end = std::min(text.find(' ', pos), text.size());
      family.push_back(SetNode{Set(text.substr(pos, end - pos))});
      pos = end + 1;
    }
    EXPECT_EQ(Sets(MinimalTransversals(family, 4)), c.transversals) << c.family;
  }
}

TEST(MaxSetsProperty, TransversalsOfRandomFamiliesFollowTheStepwiseMinimisation) {
  std::mt19937 rng(77);
  // Longer families hold long runs of nodes that every entry meets.
  for (int round = 0; round < 3000; ++round) {
    literal::List family;
    const int size = 1 + static_cast<int>(rng() % (round % 2 == 0 ? 8 : 40));
    for (int i = 0; i < size; ++i)
      family.push_back(AttributeSet{static_cast<std::uint32_t>(rng() % 256)});
    const SetList nodes = AsSetList(family);
    EXPECT_EQ(MinimalTransversals(nodes, 8), AsSetList(literal::Transversals(family)))
        << LhsFamilyLine(nodes, Names("ABCDEFGH"), 8);
  }
}

TEST(MaxSets, DependencyOnItsOwnRightHandSideAddsNothing) {
  // B + D -> B would turn the node {B, C} into {C, D}, which does not
  // determine A.
  const DependencyList deps = Deps("BC->A; BD->B");
  const AttributeMaxSets a = ComputeMaxSetsOfAttribute(deps, 0, 4);
  EXPECT_EQ(Sets(a.lhsFamily), (std::vector<std::string>{"A", "BC"}));
  EXPECT_EQ(Sets(a.maxOfA), (std::vector<std::string>{"CD", "BD"}));
  EXPECT_EQ(Sets(ComputeMaxSetsOfAttribute(Deps("AB->A"), 0, 2).lhsFamily),
            (std::vector<std::string>{"A"}));
}

TEST(MaxSets, ChainCutShortByOnePassIsFollowedToTheEnd) {
  // D determines C, then B, then A; looking at each dependency once misses the
  // generator {D} and gives max(A) = {D}, {B, C}.
  const DependencyList deps = Deps("ABD->C; BCD->A; D->C; C->B; A->C");
  const AttributeMaxSets a = ComputeMaxSetsOfAttribute(deps, 0, 4);
  EXPECT_EQ(Sets(a.maxOfA), (std::vector<std::string>{"BC"}));
  EXPECT_EQ(UnionOfMaximalSets(deps, Names("ABCD"), 0), Set("BC"));
}

TEST(MaxSets, SetFormedTwiceInOneStepStandsOnceWithItsCount) {
  // A + D -> C meets the start set {A, B, D} of C; its intersections with the
  // maximal set {B, C} of A and with the maximal set {B, C} of D are both {B}.
  const DependencyList deps = Deps("D->A; A->D; AD->C");
  const MaxSetFamily max = ComputeMaxSets(deps, 4);
  EXPECT_EQ(Sets(max[0]), (std::vector<std::string>{"BC"}));
  EXPECT_EQ(Sets(max[3]), (std::vector<std::string>{"BC"}));
  EXPECT_EQ(max[2], (SetList{SetNode{Set("B"), 2}}));
  EXPECT_EQ(MaxFamilyEntries(max, Names("ABCD"), 4)[2].sets, "   { B (2x) }");
  EXPECT_TRUE(IsCondensed(max));
}

TEST(MaxSets, LargeFamilyFollowsTheStepwiseOrder) {
  // Fifteen attributes whose family of L runs to thousands of nodes.
  const DependencyList deps = Deps(
      "N->O; OD->N; FNHM->I; H->D; GIK->M; JKL->M; A->D; ECN->H; HDB->E; EOBH->N; JB->L; NB->F; "
      "CIOH->D; AE->L; KEDM->N; CL->A; NEC->K; GHE->N; FMKJ->I; GFE->K; AJ->K; BOG->M; EMD->H; "
      "BGC->F");
  const AttributeIndex l = 11;
  const AttributeMaxSets one = ComputeMaxSetsOfAttribute(deps, l, 15, 10000);
  const literal::List family = literal::LhsFamily(deps, l);
  EXPECT_EQ(one.lhsFamily.size(), 6204u);
  EXPECT_EQ(one.lhsFamily, AsSetList(family));
  EXPECT_EQ(one.transversals, AsSetList(literal::Transversals(family)));
  EXPECT_EQ(Distinct(one.maxOfA), brute::MaximalSets(15, brute::FromList(deps), 11));

  // Here the passes alone miss generators, and the family grows further.
  const DependencyList mended = Deps(
      "K->G; O->N; LH->G; A->H; OMIP->D; M->G; GIE->B; EMB->D; OD->G; O->F; K->L; DCMF->J; "
      "O->K; M->N; LHKJ->E; L->B; BI->K; EFCB->J; MLE->D; FJ->N; D->E; KGF->H; JL->P; EJMI->K; "
      "P->L; I->M; EM->D; HD->F; GJA->O");
  const AttributeMaxSets o = ComputeMaxSetsOfAttribute(mended, 14, 16, 10000);
  EXPECT_GT(o.lhsFamily.size(), literal::LhsFamily(mended, 14).size());
  EXPECT_EQ(Distinct(o.maxOfA), brute::MaximalSets(16, brute::FromList(mended), 14));
}

TEST(MaxSets, WithinAndPastTheLimitEachSetStandsOnce) {
  const AttributeTable names = Names("ABCD");
  // Within the limit each set stands at its first place in the full list,
  // which keeps every copy of a set a step forms twice; past it where the
  // condensed build, holding one, puts it. When the head of a family goes,
  // the next one comes from the end of the list, so the two orders can
  // differ.
  const DependencyList deps = Deps("BA->C; EC->A; CA->D; E->C");
  const MaxSetFamily full = ComputeMaxSets(deps, 5);
  const MaxSetFamily condensed = ComputeMaxSets(deps, 5, 1);
  EXPECT_EQ(Sets(full[3]), (std::vector<std::string>{"A", "BC"}));
  EXPECT_EQ(Sets(condensed[3]), (std::vector<std::string>{"BC", "A"}));
  for (AttributeIndex j = 0; j < 5; ++j) {
    EXPECT_EQ(Distinct(full[j]).size(), full[j].size());
    EXPECT_EQ(SetsStoodFor(full[j]), SetsStoodFor(condensed[j]));
  }

  // The passes reach {A, D} twice on the way to C, and keep {A, B}, which
  // holds no other node.
  const DependencyList twice = Deps("CA->B; B->D; D->B; AD->C");
  const SetList lhs = LeftHandSideFamily(twice, 2, 4, 4);
  EXPECT_EQ(LhsFamilyLine(lhs, names, 4), "{  C ; A D ; A B ; A D }");
  const SetList condensedLhs = LeftHandSideFamily(twice, 2, 4, 3);
  EXPECT_EQ(LhsFamilyLine(condensedLhs, names, 4), "{  C ; A B ; A D (2x) }");
  EXPECT_TRUE(IsCondensed(condensedLhs));
  EXPECT_EQ(SetsStoodFor(condensedLhs), 4u);
}

// How often each set stands in a family, counting condensed nodes by their
// counts.
std::map<std::uint32_t, std::uint64_t> Multiplicities(const SetList& family) {
  std::map<std::uint32_t, std::uint64_t> out;
  for (const SetNode& s : family)
    out[s.member.mask] += s.count;
  return out;
}

TEST(MaxSetsProperty, PastTheLimitEachSetStandsOnceAndCountsTheFullFamily) {
  std::mt19937 rng(909);
  for (int round = 0; round < 500; ++round) {
    const int n = 2 + static_cast<int>(rng() % 6);
    const DependencyList deps = brute::RandomDependencies(rng, n, 8, 3);
    const std::vector<brute::Fd> fds = brute::FromList(deps);
    SCOPED_TRACE(DepsText(deps) + " n=" + std::to_string(n));
    const MaxSetFamily max = ComputeMaxSets(deps, n, static_cast<std::size_t>(n));
    const MaxSetFamily full = ComputeMaxSets(deps, n);
    EXPECT_EQ(IsInBcnf(max, deps, n), brute::IsBcnf(n, fds));
    for (AttributeIndex a = 0; a < static_cast<AttributeIndex>(n); ++a) {
      const std::vector<std::uint32_t> expected = brute::MaximalSets(n, fds, static_cast<int>(a));
      EXPECT_EQ(Distinct(max[a]), expected);
      EXPECT_EQ(Distinct(max[a]).size(), max[a].size());
      EXPECT_EQ(Multiplicities(max[a]), Multiplicities(full[a]));
      const SetList family = LeftHandSideFamily(deps, a, n, 2);
      const SetList fullFamily = LeftHandSideFamily(deps, a, n);
      ASSERT_FALSE(IsCondensed(fullFamily));
      EXPECT_EQ(Distinct(family).size(), family.size());
      EXPECT_EQ(Multiplicities(family), Multiplicities(fullFamily));
      EXPECT_EQ(Distinct(Complements(MinimalTransversals(family, n), n)), expected);
    }
  }
}

TEST(MaxSets, IsMaximalSetTriesOnlyAbsentAttributes) {
  const DependencyList deps = Deps("A->B; B->C");
  EXPECT_FALSE(IsMaximalSet(Set("B"), 0, deps, 3));  // C can join without bringing A
  EXPECT_TRUE(IsMaximalSet(Set("BC"), 0, deps, 3));
  EXPECT_FALSE(IsMaximalSet(Set("A"), 2, deps, 3));  // determines C itself
  EXPECT_TRUE(IsMaximalSet(Set(""), 2, deps, 3));    // adding A or B brings C
  EXPECT_TRUE(IsMaximalSet(Set("AB"), 2, DependencyList{}, 3));
}

TEST(MaxSets, UnionOfMaximalSets) {
  const AttributeTable names = Names("ABCD");
  EXPECT_EQ(UnionOfMaximalSets(Deps("A->B; B->C"), names, 2), Set("D"));
  EXPECT_EQ(UnionOfMaximalSets(Deps("AB->C; C->B"), names, 1), Set("AD"));
  EXPECT_EQ(UnionOfMaximalSets(DependencyList{}, names, 3), Set("ABC"));
  // Not an attribute of the schema.
  EXPECT_EQ(UnionOfMaximalSets(DependencyList{}, names, 4), AttributeSet{});
  EXPECT_EQ(UnionOfMaximalSets(DependencyList{}, AttributeTable{}, 0), AttributeSet{});
}

}  // namespace
