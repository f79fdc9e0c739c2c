#include <gtest/gtest.h>

#include "Keys.h"
#include "SchemaText.h"

namespace {

struct KeyCase {
  const char* name;
  const char* names;
  const char* deps;
  const char* firstKey;
  std::vector<std::string> allKeys;
};

class KeyTable : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyTable, FirstKeyThenAllKeysInOrder) {
  const KeyCase& c = GetParam();
  const AttributeTable names = Names(c.names);
  const DependencyList list = Deps(c.deps);
  std::optional<KeyRecord> first = FindFirstKey(list, names);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(Letters(first->member), c.firstKey);
  EXPECT_EQ(first->mark, 0u);
  KeyList keys{*first};
  EXPECT_TRUE(FindAllKeys(keys, list, names));
  EXPECT_EQ(KeyLetters(keys), c.allKeys);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTable,
    testing::Values(KeyCase{"NoDependencies", "ABC", "", "ABC", {"ABC"}},
                    KeyCase{"Chain", "ABC", "A->B; B->C", "A", {"A"}},
                    KeyCase{"MutualPair", "AB", "A->B; B->A", "A", {"A", "B"}},
                    KeyCase{"TwoKeys", "ABC", "AB->C; C->B", "AB", {"AB", "AC"}},
                    KeyCase{"FourKeysInDiscoveryOrder",
                            "ABCD",
                            "AC->D; D->A; C->B; AB->C",
                            "AC",
                            {"AC", "CD", "AB", "BD"}},
                    // A trivial record must not drop its own right-hand attribute from the
                    // candidate: B is implied by nothing else, so every key holds it.
                    KeyCase{"TrivialRecordKeepsAttribute", "ABC", "AB->B; A->C", "AB", {"AB"}}),
    [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST(Keys, AllNamesEmptyGivesNoKey) {
  const DependencyList list = Deps("A->B");
  EXPECT_FALSE(FindFirstKey(list, AttributeTable{}).has_value());
  KeyList keys;
  EXPECT_FALSE(FindAllKeys(keys, list, AttributeTable{}));
  EXPECT_TRUE(keys.empty());
  EXPECT_TRUE(ComputeKeys(list, AttributeTable{}).empty());
}

TEST(Keys, SecondRunCutsTheListBackAndGivesTheSameKeys) {
  const AttributeTable names = Names("ABCD");
  const DependencyList list = Deps("AC->D; D->A; C->B; AB->C");
  KeyList keys = ComputeKeys(list, names);
  const std::vector<std::string> once = KeyLetters(keys);
  FindAllKeys(keys, list, names);
  EXPECT_EQ(KeyLetters(keys), once);
}

}  // namespace
