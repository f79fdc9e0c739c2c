#include <gtest/gtest.h>

#include "SchemaListing.h"
#include "SchemaText.h"

namespace {

using Lines = std::vector<std::string>;

TEST(Listing, Formats) {
  const AttributeTable names = Names("ABCD");
  EXPECT_EQ(ListAttributeLines(names), (Lines{"A", "B", "C", "D"}));
  EXPECT_EQ(ShowAttributeLine(names), "A; B; C; D; ");
  EXPECT_EQ(ListDependencyLines(Deps("ABC->D; C->A; ->B"), names),
            (Lines{"A + B + C -> D", "C -> A", "{} -> B"}));
  EXPECT_EQ(ListKeyLines({{Set("BD"), 0}, {Set("A"), 0}}, names), (Lines{"B D ", "A "}));
}

TEST(Listing, LeftSideKeepsItsStoredOrder) {
  DependencyList list;
  list.push_back(NewDependency({2, 0}, 1));
  EXPECT_EQ(ShowDependency(list.front(), Names("ABC")), "C + A -> B");
}

TEST(Listing, EmptyTable) {
  EXPECT_TRUE(ListAttributeLines(AttributeTable{}).empty());
  EXPECT_EQ(ShowAttributeLine(AttributeTable{}), "");
}

TEST(Listing, NamesStopAtTheFirstEmptySlot) {
  AttributeTable names = Names("AB");
  names[3] = "D";
  EXPECT_EQ(ListAttributeLines(names), (Lines{"A", "B"}));
  EXPECT_EQ(ShowAttributeLine(names), "A; B; ");
  EXPECT_EQ(ShowAttributeLine(PackedNames(names, Set("BD"))), "B; D; ");
}

TEST(Listing, NameOfIndexBeyondTheTableIsEmpty) {
  Schema schema;
  schema.SetAttributes(Names("AB"));
  EXPECT_EQ(schema.AttributeName(1), "B");
  EXPECT_EQ(schema.AttributeName(20), "");
  EXPECT_EQ(NameOf(schema.attributes, NoAttribute), "");
}

}  // namespace
