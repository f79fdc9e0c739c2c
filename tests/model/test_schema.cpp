#include <gtest/gtest.h>

#include "SchemaText.h"

namespace {

TEST(Schema, CopyInsertingBehindHeadReversesAllButTheFirst) {
  const DependencyList list = Deps("A->B; B->C; C->D; D->A");
  EXPECT_EQ(DepsText(CopyInsertingBehindHead(list)), "A->B; D->A; C->D; B->C");
  const KeyList keys{{Set("A"), 0}, {Set("B"), 0}, {Set("C"), 0}};
  EXPECT_EQ(KeyLetters(CopyInsertingBehindHead(keys)), (std::vector<std::string>{"A", "C", "B"}));
  EXPECT_TRUE(CopyInsertingBehindHead(DependencyList{}).empty());
}

TEST(Schema, CopyOfADependencyKeepsMarks) {
  Dependency d = NewDependency({1, 0}, 2);
  d.used = 1;
  d.rhs.mark = 7;
  DependencyList copy = CopyInsertingBehindHead(DependencyList{d});
  EXPECT_EQ(copy.front().lhs, d.lhs);
  EXPECT_EQ(copy.front().used, 1u);
  EXPECT_EQ(copy.front().rhs.mark, 7u);
}

TEST(Schema, NewDependencyTerminatesTheLeftSide) {
  const Dependency d = NewDependency({3, 1}, 0);
  EXPECT_EQ(d.lhs[0], 3u);
  EXPECT_EQ(d.lhs[1], 1u);
  for (int i = 2; i < MaxAttributes; ++i)
    EXPECT_EQ(d.lhs[i], NoAttribute);
  EXPECT_EQ(d.LhsCount(), 2);
  EXPECT_EQ(d.rhs.mark, 0u);
  EXPECT_EQ(d.used, 0u);
}

TEST(Schema, ClearSchemaEmptiesEverything) {
  Schema schema;
  schema.SetAttributes(Names("ABC"));
  schema.ReplaceDependencies(Deps("A->B"));
  schema.keys.push_back({Set("A"), 0});
  schema.ClearSchema();
  EXPECT_EQ(CountNames(schema.attributes), 0);
  EXPECT_TRUE(schema.dependencies.empty());
  EXPECT_TRUE(schema.keys.empty());
}

}  // namespace
