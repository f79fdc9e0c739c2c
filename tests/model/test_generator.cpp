#include <gtest/gtest.h>

#include <algorithm>

#include "Generator.h"
#include "SchemaText.h"

namespace {

constexpr NormalFormLevel k1NF = NormalFormLevel::First;
constexpr NormalFormLevel k2NF = NormalFormLevel::Second;
constexpr NormalFormLevel k3NF = NormalFormLevel::Third;
constexpr NormalFormLevel kBcnf = NormalFormLevel::BoyceCodd;

GeneratorRequest Request(int n, int m, NormalFormLevel target, std::optional<int> keys = {},
                         int redundantAttributes = 0, int redundantDependencies = 0) {
  GeneratorRequest request;
  request.attributes = n;
  request.dependencies = m;
  request.target = target;
  request.keys = keys;
  request.redundantAttributes = redundantAttributes;
  request.redundantDependencies = redundantDependencies;
  return request;
}

struct RefusalCase {
  const char* name;
  GeneratorRequest request;
  GeneratorRefusal reason;
  int limit;
};

class RefusalTable : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTable, ReasonAndLimit) {
  const RefusalCase& c = GetParam();
  const GeneratorResult result = GenerateSchema(c.request);
  ASSERT_TRUE(std::holds_alternative<GeneratorFailure>(result));
  EXPECT_EQ(std::get<GeneratorFailure>(result).reason, c.reason);
  EXPECT_EQ(std::get<GeneratorFailure>(result).limit, c.limit);
}

using enum GeneratorRefusal;

INSTANTIATE_TEST_SUITE_P(
    Generator, RefusalTable,
    testing::Values(
        RefusalCase{"TwentyOneAttributes", Request(21, 5, kBcnf), AttributesOutOfRange, 20},
        RefusalCase{"BelowBcnfOnTwoAttributes", Request(2, 1, k1NF), TooFewAttributes, 3},
        RefusalCase{"MoreThanTheDistinctRecords", Request(3, 10, kBcnf), TooManyDependencies, 9},
        RefusalCase{"TransitiveNeedsTwoRecords", Request(5, 1, k2NF), TooFewDependencies, 2},
        RefusalCase{"ThirdWithOneKey", Request(5, 5, k3NF, 1), TooFewKeys, 2},
        RefusalCase{"KeysBeyondTheLargestAntichain", Request(4, 8, kBcnf, 7), TooManyKeys, 6},
        RefusalCase{"NonPrimeAttributeLeavesFewerKeys", Request(5, 8, k1NF, 7), TooManyKeys, 6},
        RefusalCase{"BcnfKeyWithoutItsRecord", Request(8, 4, kBcnf, 5), TooFewDependencies, 5},
        RefusalCase{"MoreRedundantRecordsThanRecords", Request(5, 4, k2NF, {}, 0, 5),
                    TooManyRedundantDependencies, 4},
        RefusalCase{"MoreRedundantAttributesThanLeftSides", Request(4, 2, k1NF, {}, 7),
                    TooManyRedundantAttributes, 6},
        // Seven records at most are in BCNF over three attributes with two keys.
        RefusalCase{"NotFoundWithinTheTries", Request(3, 8, kBcnf, 2), NotFound, 0}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

// The drawing uses no implementation-defined distribution, so this schema is
// the same with every compiler and library.
TEST(Generator, SchemaOfASeedIsFixed) {
  GeneratorRequest request = Request(6, 7, k2NF, 2, 1, 1);
  request.seed = 2026;
  const GeneratedSchema generated = std::get<GeneratedSchema>(GenerateSchema(request));
  EXPECT_EQ(DepsText(generated.schema.dependencies), "A->C; C->F; C->E; A->D; D->A; C->B; DE->A");
}

TEST(Generator, NamesComeFromTheTheme) {
  GeneratorRequest request = Request(20, 25, kBcnf);
  const GeneratedSchema letters = std::get<GeneratedSchema>(GenerateSchema(request));
  EXPECT_EQ(letters.schema.attributes, Names("ABCDEFGHIJKLMNOPQRST"));

  request.theme = NameTheme::Timetable;
  request.language = NameLanguage::Czech;
  const GeneratedSchema themed = std::get<GeneratedSchema>(GenerateSchema(request));
  const auto pool = ThemeNames(NameTheme::Timetable, NameLanguage::Czech);
  for (const std::string& name : themed.schema.attributes)
    EXPECT_NE(std::find(pool.begin(), pool.end(), name), pool.end()) << name;
}

}  // namespace
