// Generated schemas against brute force: every schema has exactly the normal
// form and number of keys asked for and at least the redundancy, on seeded
// requests across sizes; requests of a practice size always give one; and
// no refusal is given where some schema of up to three attributes would do.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "BruteForce.h"
#include "Generator.h"
#include "PropertyScale.h"
#include "SchemaText.h"

namespace {

// (attributes, normal form 1 to 4, records, keys, redundant records,
// redundant attributes)
using Facts = std::tuple<int, int, int, int, int, int>;

Facts Measure(int n, const std::vector<brute::Fd>& fds) {
  return {n,
          brute::HighestNormalForm(n, fds),
          static_cast<int>(fds.size()),
          static_cast<int>(brute::KeysOf((1u << n) - 1u, fds).size()),
          brute::RedundantRecordCount(fds),
          brute::RedundantAttributeCount(fds)};
}

bool Meets(const Facts& facts, const GeneratorRequest& r) {
  const auto [n, level, records, keys, redundantRecords, redundantAttributes] = facts;
  return n == r.attributes && level == static_cast<int>(r.target) + 1 &&
         records == r.dependencies && (!r.keys || keys == *r.keys) &&
         redundantRecords >= r.redundantDependencies &&
         redundantAttributes >= r.redundantAttributes;
}

std::string Describe(const GeneratorRequest& r) {
  return std::to_string(r.attributes) + " attributes, " + std::to_string(r.dependencies) +
         " records, form " + std::to_string(static_cast<int>(r.target) + 1) + ", keys " +
         std::to_string(r.keys.value_or(0)) + ", redundancy " +
         std::to_string(r.redundantAttributes) + "/" + std::to_string(r.redundantDependencies) +
         ", seed " + std::to_string(r.seed);
}

void ExpectMeets(const GeneratorRequest& request, const GeneratedSchema& generated) {
  const int n = request.attributes;
  const Schema& schema = generated.schema;
  const std::string what = Describe(request) + ": " + DepsText(schema.dependencies);
  EXPECT_EQ(CountNames(schema.attributes), n) << what;
  EXPECT_EQ(std::set(schema.attributes.begin(), schema.attributes.begin() + n).size(),
            static_cast<std::size_t>(n))
      << what;
  // Distinct records over the attributes, none trivial or with no left side.
  std::set<std::pair<std::uint32_t, AttributeIndex>> records;
  for (const Dependency& d : schema.dependencies) {
    EXPECT_TRUE(!d.LhsSet().Empty() && !d.LhsHas(d.Rhs()) && d.Rhs() < AttributeIndex(n) &&
                d.LhsSet().IsSubsetOf(AttributeSet{(1u << n) - 1u}))
        << what;
    records.emplace(d.LhsSet().mask, d.Rhs());
  }
  EXPECT_EQ(records.size(), schema.dependencies.size()) << what;

  const std::vector<brute::Fd> fds = brute::FromList(schema.dependencies);
  const Facts facts = Measure(n, fds);
  EXPECT_TRUE(Meets(facts, request)) << what;
  EXPECT_EQ(static_cast<int>(schema.keys.size()), std::get<3>(facts)) << what;
  EXPECT_EQ(generated.redundantDependencies, std::get<4>(facts)) << what;
  EXPECT_EQ(generated.redundantAttributes, std::get<5>(facts)) << what;
}

// Practice-sized requests: six attributes or more, up to three keys, a
// little redundancy, and room for the records the keys need (a cycle through
// the alternatives of a key) and the non-prime attributes of the form.
GeneratorRequest DrawPracticeRequest(std::mt19937& rng, int maxAttributes) {
  const auto draw = [&](int low, int high) {
    return std::uniform_int_distribution(low, high)(rng);
  };
  GeneratorRequest request;
  request.attributes = draw(6, maxAttributes);
  request.target = static_cast<NormalFormLevel>(draw(0, 3));
  const int lowestKeys = request.target == NormalFormLevel::Third ? 2 : 1;
  if (const int keys = draw(lowestKeys - 1, 3); keys >= lowestKeys) request.keys = keys;
  request.redundantAttributes = draw(0, 2);
  request.redundantDependencies = draw(0, 2);
  const int keys = request.keys.value_or(lowestKeys);
  constexpr int kNonPrimeRecords[] = {1, 2, 0, 1};
  const int fewest = request.redundantDependencies + (keys > 1 ? keys : 0) +
                     kNonPrimeRecords[static_cast<int>(request.target)] + 2;
  request.dependencies = draw(fewest, 2 * request.attributes);
  request.theme = static_cast<NameTheme>(draw(0, 3));
  request.language = static_cast<NameLanguage>(draw(0, 2));
  request.seed = rng();
  return request;
}

TEST(GeneratorProperties, PracticeRequestsGiveSchemasMeetingThemExactly) {
  std::mt19937 rng(5150);
  for (int s = 0; s < Rounds(400); ++s) {
    const GeneratorRequest request = DrawPracticeRequest(rng, kWideSchemas ? 13 : 9);
    const GeneratorResult result = GenerateSchema(request);
    ASSERT_TRUE(std::holds_alternative<GeneratedSchema>(result)) << Describe(request);
    ExpectMeets(request, std::get<GeneratedSchema>(result));
  }
}

TEST(GeneratorProperties, AnyRequestGivesAnExactSchemaOrAFailure) {
  std::mt19937 rng(6);
  const auto draw = [&](int low, int high) {
    return std::uniform_int_distribution(low, high)(rng);
  };
  for (int s = 0; s < Rounds(600); ++s) {
    GeneratorRequest request;
    request.attributes = draw(2, 8);
    request.dependencies = draw(1, 30);
    request.target = static_cast<NormalFormLevel>(draw(0, 3));
    if (draw(0, 1) == 0) request.keys = draw(1, 8);
    request.redundantAttributes = draw(0, 4);
    request.redundantDependencies = draw(0, 4);
    request.seed = rng();
    const GeneratorResult result = GenerateSchema(request);
    if (const auto* generated = std::get_if<GeneratedSchema>(&result))
      ExpectMeets(request, *generated);
  }
}

TEST(GeneratorProperties, NoRefusalWhereASchemaOfUpToThreeAttributesExists) {
  // Every list of distinct non-trivial records over two or three attributes.
  std::set<Facts> every;
  for (int n = 2; n <= 3; ++n) {
    std::vector<brute::Fd> possible;
    for (std::uint32_t lhs = 1; lhs < (1u << n); ++lhs) {
      for (int a = 0; a < n; ++a) {
        if (((lhs >> a) & 1u) == 0) possible.push_back({lhs, a});
      }
    }
    for (std::uint32_t pick = 1; pick < (1u << possible.size()); ++pick) {
      std::vector<brute::Fd> fds;
      for (std::size_t i = 0; i < possible.size(); ++i) {
        if ((pick >> i) & 1u) fds.push_back(possible[i]);
      }
      every.insert(Measure(n, fds));
    }
  }
  std::set<GeneratorRefusal> reasons;
  for (int n = 2; n <= 3; ++n) {
    for (int target = 0; target < 4; ++target) {
      for (int m = 1; m <= 10; ++m) {
        for (int keys = 0; keys <= 4; ++keys) {
          for (int redundancy = 0; redundancy < 3; ++redundancy) {
            GeneratorRequest request;
            request.attributes = n;
            request.dependencies = m;
            request.target = static_cast<NormalFormLevel>(target);
            if (keys > 0) request.keys = keys;
            request.redundantAttributes = redundancy;
            request.redundantDependencies = redundancy;
            const GeneratorResult result = GenerateSchema(request);
            if (const auto* generated = std::get_if<GeneratedSchema>(&result)) {
              ExpectMeets(request, *generated);
            } else if (std::get<GeneratorFailure>(result).reason != GeneratorRefusal::NotFound) {
              reasons.insert(std::get<GeneratorFailure>(result).reason);
              EXPECT_FALSE(std::any_of(every.begin(), every.end(), [&](const Facts& f) {
                return Meets(f, request);
              })) << Describe(request);
            }
          }
        }
      }
    }
  }
  // The grid meets every reason that does not name a range.
  EXPECT_EQ(reasons.size(), 7u);
}

}  // namespace
