#include <gtest/gtest.h>

#include "Redundance.h"
#include "RedundancyEdits.h"
#include "SchemaText.h"

namespace {

TEST(RedundancyEdits, EraseLhsAttribute) {
  struct Case {
    const char* record;
    char attribute;
    int position;
    const char* after;
  };
  const Case cases[] = {
      {"ABC->D", 'A', 0, "BC->D"},   {"ABC->D", 'B', 1, "AC->D"},
      {"ABC->D", 'C', 2, "AB->D"},   {"AAB->D", 'A', 0, "AB->D"},  // first copy only
      {"ABC->D", 'D', -1, "ABC->D"}, {"A->D", 'A', 0, "->D"},
  };
  for (const Case& c : cases) {
    DependencyList list = Deps(c.record);
    const AttributeIndex attribute = static_cast<AttributeIndex>(c.attribute - 'A');
    EXPECT_EQ(EraseLhsAttribute(list.front(), attribute), c.position) << c.record;
    EXPECT_EQ(DepsText(list), c.after) << c.record;
    EXPECT_EQ(list.front().lhs.back(), NoAttribute);
    // Putting it back where it stood undoes the erasure.
    if (c.position >= 0) InsertLhsAttribute(list.front(), c.position, attribute);
    EXPECT_EQ(DepsText(list), DepsText(Deps(c.record))) << c.record;
  }
  // A left-hand side filling all twenty slots.
  Dependency full = NewDependency({}, 0);
  for (AttributeIndex i = 0; i < MaxAttributes; ++i)
    full.lhs[i] = i;
  EXPECT_EQ(EraseLhsAttribute(full, 0), 0);
  EXPECT_EQ(full.lhs[0], 1u);
  EXPECT_EQ(full.lhs[18], 19u);
  EXPECT_EQ(full.lhs[19], NoAttribute);
}

TEST(RedundancyEdits, AttributeStaysRedundantOnlyWhileImplied) {
  DependencyList list = Deps("A->C; B->C; AB->C");
  Dependency& ab = list.back();
  EXPECT_TRUE(IsRedundantLhsAttribute(list, ab, 0));
  EXPECT_TRUE(IsRedundantLhsAttribute(list, ab, 1));
  EraseLhsAttribute(ab, 0);
  EXPECT_FALSE(IsRedundantLhsAttribute(list, ab, 1));
}

TEST(RedundancyEdits, FindRecordByAddress) {
  DependencyList list = Deps("A->B; B->C");
  const Dependency* second = &list.back();
  EXPECT_EQ(FindRecord(list, second), std::next(list.begin()));
  const Dependency copy = list.back();
  EXPECT_EQ(FindRecord(list, &copy), list.end());
  EXPECT_EQ(FindRecord(list, nullptr), list.end());
}

}  // namespace
