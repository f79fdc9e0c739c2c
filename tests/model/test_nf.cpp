#include <gtest/gtest.h>

#include "Keys.h"
#include "Nf.h"
#include "SchemaText.h"

namespace {

struct NfCase {
  const char* name;
  const char* deps;
  std::vector<std::string> keys;
  std::vector<int> classes;
};

class NfTable : public testing::TestWithParam<NfCase> {};

TEST_P(NfTable, ClassOfEveryDependency) {
  const NfCase& c = GetParam();
  const DependencyList list = Deps(c.deps);
  KeyList keys;
  for (const std::string& k : c.keys)
    keys.push_back({Set(k), 0});
  const AttributeSet nonPrime = MarkNonPrimeAttributes(keys);
  std::vector<int> classes;
  for (const Dependency& d : list)
    classes.push_back(static_cast<int>(DependencyNormalForm(d, keys, nonPrime)));
  EXPECT_EQ(classes, c.classes);
}

INSTANTIATE_TEST_SUITE_P(
    Nf, NfTable,
    testing::Values(NfCase{"NoKeysMeansNothingIsPrime", "A->B; AB->A", {}, {2, 4}},
                    NfCase{"ThirdNormalFormOnly", "AB->C; C->B", {"AB", "AC"}, {4, 3}},
                    NfCase{"Transitive", "A->B; B->C", {"A"}, {4, 2}},
                    NfCase{"TrivialWhateverTheKeys", "A->A", {"B"}, {4}},
                    NfCase{"LeftSideHoldsSecondKey", "CD->B", {"A", "C"}, {4}}),
    [](const testing::TestParamInfo<NfCase>& info) { return info.param.name; });

TEST(Nf, NonPrimeSetCoversEmptySlots) {
  KeyList keys{{Set("AC"), 0}, {Set("CD"), 0}};
  const AttributeSet nonPrime = MarkNonPrimeAttributes(keys);
  EXPECT_FALSE(nonPrime.Has(0));
  EXPECT_TRUE(nonPrime.Has(1));
  EXPECT_FALSE(nonPrime.Has(3));
  EXPECT_TRUE(nonPrime.Has(19));
}

}  // namespace
