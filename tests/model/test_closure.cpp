#include <gtest/gtest.h>

#include "Closure.h"
#include "SchemaText.h"

namespace {

std::vector<std::uint32_t> UsedMarks(const DependencyList& list) {
  std::vector<std::uint32_t> marks;
  for (const Dependency& d : list)
    marks.push_back(d.used);
  return marks;
}

struct ClosureCase {
  const char* name;
  const char* deps;
  const char* start;
  AttributeIndex target;
  int excludedIndex;  // position in the list, -1 for none
  const char* expected;
  std::vector<std::uint32_t> used;
};

class ClosureTable : public testing::TestWithParam<ClosureCase> {};

TEST_P(ClosureTable, SetAndUsedMarks) {
  const ClosureCase& c = GetParam();
  DependencyList list = Deps(c.deps);
  const Dependency* excluded = nullptr;
  if (c.excludedIndex >= 0) excluded = &*std::next(list.begin(), c.excludedIndex);
  for (const Dependency& d : list)
    d.used = 1;  // stale marks from an earlier caller
  AttributeSet set = Set(c.start);
  ComputeClosure(set, c.target, list, excluded);
  EXPECT_EQ(Letters(set), c.expected);
  EXPECT_EQ(UsedMarks(list), c.used);
}

const AttributeIndex A = 0, C = 2;

INSTANTIATE_TEST_SUITE_P(
    Closure, ClosureTable,
    testing::Values(
        ClosureCase{"EmptyList", "", "A", NoAttribute, -1, "A", {}},
        ClosureCase{"Chain", "A->B; B->C", "A", NoAttribute, -1, "ABC", {1, 1}},
        ClosureCase{"ChainListedBackwards", "B->C; A->B", "A", NoAttribute, -1, "ABC", {1, 1}},
        ClosureCase{"ExcludedRecordNeverFires", "A->B; B->C", "A", NoAttribute, 1, "AB", {1, 1}},
        ClosureCase{"NothingFires", "B->C; C->D", "A", NoAttribute, -1, "A", {0, 0}},
        ClosureCase{"TrivialRecordFires", "AB->A", "AB", NoAttribute, -1, "AB", {1}},
        ClosureCase{"StopsOnTarget", "A->C; A->D", "A", C, -1, "AC", {1, 0}},
        ClosureCase{"TargetAlreadyPresentRunsOn", "A->C; A->D", "AC", A, -1, "ACD", {1, 1}},
        ClosureCase{"EmptyLeftSideAlwaysFires", "->B; B->C", "", NoAttribute, -1, "BC", {1, 1}}),
    [](const testing::TestParamInfo<ClosureCase>& info) { return info.param.name; });

TEST(Closure, SecondPassPicksUpRecordsBeforeTheFiringOne) {
  // C -> D is passed over in the first pass and fires in the third.
  DependencyList list = Deps("C->D; B->C; A->B");
  AttributeSet set = Set("A");
  ComputeClosure(set, NoAttribute, list, nullptr);
  EXPECT_EQ(Letters(set), "ABCD");
}

TEST(Closure, CountersAboveOneCountAsMembers) {
  // The closure only ever adds members, whatever was there before.
  DependencyList list = Deps("A->B");
  AttributeSet set = Set("AC");
  ComputeClosure(set, NoAttribute, list, nullptr);
  EXPECT_EQ(Letters(set), "ABC");
}

TEST(FastClosure, AgreesWithTheFullClosure) {
  DependencyList list = Deps("C->D; B->C; A->B; DE->F; AF->G");
  const FastClosure fast(list);
  for (std::uint32_t mask = 0; mask < (1u << 7); ++mask) {
    AttributeSet slow{mask};
    ComputeClosure(slow, NoAttribute, list, nullptr);
    EXPECT_EQ(fast.Close(AttributeSet{mask}), slow) << mask;
  }
}

}  // namespace
