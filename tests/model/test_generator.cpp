#include <gtest/gtest.h>

#include <algorithm>

#include "Generator.h"
#include "NameThemes.h"
#include "SchemaText.h"

namespace {

GeneratorRequest Request(int n, int m, NormalFormLevel target) {
  GeneratorRequest request;
  request.attributes = n;
  request.dependencies = m;
  request.target = target;
  return request;
}

struct RefusalCase {
  const char* name;
  GeneratorRequest request;
  GeneratorRefusal reason;
  int limit;
};

GeneratorRequest With(GeneratorRequest request, std::optional<int> keys,
                      int redundantAttributes = 0, int redundantDependencies = 0) {
  request.keys = keys;
  request.redundantAttributes = redundantAttributes;
  request.redundantDependencies = redundantDependencies;
  return request;
}

class RefusalTable : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTable, ReasonAndLimit) {
  const RefusalCase& c = GetParam();
  const GeneratorResult result = GenerateSchema(c.request);
  ASSERT_TRUE(std::holds_alternative<GeneratorFailure>(result));
  EXPECT_EQ(std::get<GeneratorFailure>(result).reason, c.reason);
  EXPECT_EQ(std::get<GeneratorFailure>(result).limit, c.limit);
}

using enum GeneratorRefusal;
constexpr NormalFormLevel k1NF = NormalFormLevel::First;
constexpr NormalFormLevel k2NF = NormalFormLevel::Second;
constexpr NormalFormLevel k3NF = NormalFormLevel::Third;
constexpr NormalFormLevel kBcnf = NormalFormLevel::BoyceCodd;

INSTANTIATE_TEST_SUITE_P(
    Generator, RefusalTable,
    testing::Values(
        RefusalCase{"OneAttribute", Request(1, 1, kBcnf), AttributesOutOfRange, 2},
        RefusalCase{"TwentyOneAttributes", Request(21, 5, kBcnf), AttributesOutOfRange,
                    MaxAttributes},
        RefusalCase{"NoDependency", Request(5, 0, kBcnf), DependenciesOutOfRange, 1},
        RefusalCase{"MoreThanAFileHolds", Request(20, 91, k2NF), DependenciesOutOfRange, 90},
        RefusalCase{"NoKey", With(Request(5, 5, kBcnf), 0), KeysOutOfRange, 1},
        RefusalCase{"NegativeRedundancy", With(Request(5, 5, kBcnf), {}, -1), RedundancyOutOfRange,
                    0},
        RefusalCase{"BelowBcnfOnTwoAttributes", Request(2, 1, k1NF), TooFewAttributes, 3},
        RefusalCase{"MoreThanTheDistinctRecords", Request(3, 10, kBcnf), TooManyDependencies, 9},
        RefusalCase{"TransitiveNeedsTwoRecords", Request(5, 1, k2NF), TooFewDependencies, 2},
        RefusalCase{"ThirdWithOneKey", With(Request(5, 5, k3NF), 1), TooFewKeys, 2},
        RefusalCase{"KeysBeyondTheLargestAntichain", With(Request(4, 8, kBcnf), 7), TooManyKeys, 6},
        RefusalCase{"NonPrimeAttributeLeavesFewerKeys", With(Request(5, 8, k1NF), 7), TooManyKeys,
                    6},
        RefusalCase{"BcnfKeyWithoutItsRecord", With(Request(8, 4, kBcnf), 5), TooFewDependencies,
                    5},
        RefusalCase{"MoreRedundantRecordsThanRecords", With(Request(5, 4, k2NF), {}, 0, 5),
                    TooManyRedundantDependencies, 4},
        RefusalCase{"MoreRedundantAttributesThanLeftSides", With(Request(4, 2, k1NF), {}, 7),
                    TooManyRedundantAttributes, 6},
        // Seven records at most are in BCNF over three attributes with two keys.
        RefusalCase{"NotFoundWithinTheTries", With(Request(3, 8, kBcnf), 2), NotFound, 0}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(Generator, SameRequestSameSchema) {
  GeneratorRequest request = With(Request(12, 16, k2NF), 2, 2, 2);
  request.theme = NameTheme::Library;
  request.seed = 99;
  const GeneratedSchema first = std::get<GeneratedSchema>(GenerateSchema(request));
  const GeneratedSchema second = std::get<GeneratedSchema>(GenerateSchema(request));
  EXPECT_EQ(first.schema.attributes, second.schema.attributes);
  EXPECT_EQ(DepsText(first.schema.dependencies), DepsText(second.schema.dependencies));
  ++request.seed;
  const GeneratedSchema third = std::get<GeneratedSchema>(GenerateSchema(request));
  EXPECT_NE(DepsText(first.schema.dependencies), DepsText(third.schema.dependencies));
}

// The drawing uses no implementation-defined distribution, so this schema is
// the same with every compiler and library.
TEST(Generator, SchemaOfASeedIsFixed) {
  GeneratorRequest request = With(Request(6, 7, k2NF), 2, 1, 1);
  request.seed = 2026;
  const GeneratedSchema generated = std::get<GeneratedSchema>(GenerateSchema(request));
  EXPECT_EQ(DepsText(generated.schema.dependencies), "DE->A; D->C; A->B; F->E; A->D; C->F; D->A");
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
