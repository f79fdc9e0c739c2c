#include <gtest/gtest.h>

#include "Redundance.h"
#include "SchemaText.h"

namespace {

// Findings of the two tests as text: "AC->B" for a record, "B in AB->C" for
// an attribute.
std::vector<std::string> RedundantRecords(const DependencyList& list) {
  std::vector<std::string> found;
  HasRedundantDependency(list, [&found](const Dependency& d) {
    DependencyList one{d};
    found.push_back(DepsText(one));
  });
  return found;
}

std::vector<std::string> RedundantAttributes(const DependencyList& list) {
  std::vector<std::string> found;
  HasRedundantAttribute(list, [&found](AttributeIndex a, const Dependency& d) {
    DependencyList one{d};
    found.push_back(std::string(1, static_cast<char>('A' + a)) + " in " + DepsText(one));
  });
  return found;
}

struct RedundancyCase {
  const char* name;
  const char* deps;
  std::vector<std::string> redundantRecords;
  std::vector<std::string> redundantAttributes;
  const char* afterRemovingRecords;
  const char* afterRemovingAttributes;
};

class RedundancyTable : public testing::TestWithParam<RedundancyCase> {};

TEST_P(RedundancyTable, FindingsAndReductions) {
  const RedundancyCase& c = GetParam();
  const DependencyList list = Deps(c.deps);
  const std::string before = DepsText(list);
  EXPECT_EQ(RedundantRecords(list), c.redundantRecords);
  EXPECT_EQ(RedundantAttributes(list), c.redundantAttributes);
  EXPECT_EQ(DepsText(list), before) << "the tests must not change the list";
  EXPECT_EQ(HasRedundantDependency(list), !c.redundantRecords.empty());
  EXPECT_EQ(HasRedundantAttribute(list), !c.redundantAttributes.empty());

  DependencyList records = list;
  RemoveRedundantDependencies(records);
  EXPECT_EQ(DepsText(records), c.afterRemovingRecords);

  DependencyList attributes = list;
  RemoveRedundantAttributes(attributes);
  EXPECT_EQ(DepsText(attributes), c.afterRemovingAttributes);
}

INSTANTIATE_TEST_SUITE_P(
    Redundance, RedundancyTable,
    testing::Values(
        RedundancyCase{"EmptyList", "", {}, {}, "", ""},
        RedundancyCase{
            "Transitive", "A->B; B->C; A->C", {"A->C"}, {}, "A->B; B->C", "A->B; B->C; A->C"},
        RedundancyCase{"MutualKeepsTheLaterOne",
                       "A->B; B->A; A->C; B->C",
                       {"A->C", "B->C"},
                       {},
                       "A->B; B->A; B->C",
                       "A->B; B->A; A->C; B->C"},
        RedundancyCase{"AttributeImpliedByTheOther",
                       "AB->C; A->B",
                       {},
                       {"B in AB->C"},
                       "AB->C; A->B",
                       "A->C; A->B"},
        RedundancyCase{"BothAttributesRedundant",
                       "A->C; B->C; AB->C",
                       {"AB->C"},
                       {"A in AB->C", "B in AB->C"},
                       "A->C; B->C",
                       "A->C; B->C; B->C"},
        // One copy can go, and the reduction takes it.
        RedundancyCase{"AttributeListedTwice", "AAB->C", {}, {"A in AAB->C"}, "AAB->C", "AB->C"},
        // Both attributes follow from nothing, so the whole side goes.
        RedundancyCase{"DownToAnEmptyLeftSide",
                       "AB->C; ->A; ->B",
                       {},
                       {"A in AB->C", "B in AB->C"},
                       "AB->C; ->A; ->B",
                       "->C; ->A; ->B"},
        RedundancyCase{"LoneAttributeFollowingFromNothing",
                       "A->B; ->A",
                       {},
                       {"A in A->B"},
                       "A->B; ->A",
                       "->B; ->A"},
        RedundancyCase{"LoneAttributeNeeded", "A->B; ->C", {}, {}, "A->B; ->C", "A->B; ->C"}),
    [](const testing::TestParamInfo<RedundancyCase>& info) { return info.param.name; });

TEST(Redundance, AttributesAreTriedInAscendingOrder) {
  // Either attribute could go; A is tried first, and then B must stay.
  DependencyList list = Deps("A->B; B->A; AB->C");
  RemoveRedundantAttributes(list);
  EXPECT_EQ(DepsText(list), "A->B; B->A; B->C");
}

TEST(Redundance, RemovalKeepsOtherRecordsInPlace) {
  DependencyList list = Deps("A->B; B->C; A->C; C->D");
  const Dependency* last = &list.back();
  RemoveRedundantDependencies(list);
  EXPECT_EQ(&list.back(), last);
}

}  // namespace
