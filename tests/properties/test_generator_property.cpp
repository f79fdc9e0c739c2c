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

struct Facts {
  int level;
  int keys;
  int redundantRecords;
  int redundantAttributes;
};

Facts Measure(int n, const DependencyList& list) {
  const std::vector<brute::Fd> fds = brute::FromList(list);
  return {brute::HighestNormalForm(n, fds),
          static_cast<int>(brute::KeysOf((1u << n) - 1u, fds).size()),
          brute::RedundantRecordCount(fds), brute::RedundantAttributeCount(fds)};
}

int LevelNumber(NormalFormLevel level) {
  return static_cast<int>(level) + 1;
}

std::string Describe(const GeneratorRequest& r) {
  return "n=" + std::to_string(r.attributes) + " m=" + std::to_string(r.dependencies) +
         " nf=" + std::to_string(LevelNumber(r.target)) +
         " keys=" + (r.keys ? std::to_string(*r.keys) : "any") +
         " ra=" + std::to_string(r.redundantAttributes) +
         " rd=" + std::to_string(r.redundantDependencies) + " seed=" + std::to_string(r.seed);
}

void ExpectMeets(const GeneratorRequest& request, const GeneratedSchema& generated) {
  const int n = request.attributes;
  const Schema& schema = generated.schema;
  const std::string what = Describe(request) + ": " + DepsText(schema.dependencies);
  EXPECT_EQ(CountNames(schema.attributes), n) << what;
  EXPECT_TRUE(std::all_of(schema.attributes.begin() + n, schema.attributes.end(),
                          [](const std::string& name) { return name.empty(); }))
      << what;
  std::set<std::string> distinctNames(schema.attributes.begin(), schema.attributes.begin() + n);
  EXPECT_EQ(static_cast<int>(distinctNames.size()), n) << what;

  // Distinct records, none trivial, none with an empty left-hand side.
  std::set<std::pair<std::uint32_t, AttributeIndex>> records;
  for (const Dependency& d : schema.dependencies) {
    EXPECT_LT(d.Rhs(), static_cast<AttributeIndex>(n)) << what;
    EXPECT_FALSE(d.LhsSet().Empty()) << what;
    EXPECT_FALSE(d.LhsHas(d.Rhs())) << what;
    EXPECT_EQ(d.LhsSet().Count(), d.LhsCount()) << what;
    EXPECT_TRUE(d.LhsSet().IsSubsetOf(AttributeSet{(1u << n) - 1u})) << what;
    records.emplace(d.LhsSet().mask, d.Rhs());
  }
  EXPECT_EQ(static_cast<int>(records.size()), request.dependencies) << what;

  const Facts facts = Measure(n, schema.dependencies);
  EXPECT_EQ(facts.level, LevelNumber(request.target)) << what;
  if (request.keys) {
    EXPECT_EQ(facts.keys, *request.keys) << what;
  }
  EXPECT_EQ(static_cast<int>(schema.keys.size()), facts.keys) << what;
  EXPECT_GE(facts.redundantRecords, request.redundantDependencies) << what;
  EXPECT_GE(facts.redundantAttributes, request.redundantAttributes) << what;
  EXPECT_EQ(generated.redundantDependencies, facts.redundantRecords) << what;
  EXPECT_EQ(generated.redundantAttributes, facts.redundantAttributes) << what;
}

// The records the layouts of a normal form need for a number of keys: a
// cycle through the keys' alternative parts, and the non-prime attributes
// the form needs.
int CoreRecords(NormalFormLevel target, int keys) {
  const int cycle = keys > 1 ? keys : 0;
  switch (target) {
    case NormalFormLevel::First:
      return cycle + 1;
    case NormalFormLevel::Second:
      return cycle + 2;
    case NormalFormLevel::Third:
      return cycle;
    case NormalFormLevel::BoyceCodd:
      break;
  }
  return keys > 1 ? cycle : 1;
}

// Practice-sized requests: six attributes or more, up to three keys and a
// little redundancy, and room for the records the keys need.
GeneratorRequest DrawPracticeRequest(std::mt19937& rng, int maxAttributes) {
  GeneratorRequest request;
  request.attributes = std::uniform_int_distribution<int>(6, maxAttributes)(rng);
  request.target = static_cast<NormalFormLevel>(std::uniform_int_distribution<int>(0, 3)(rng));
  const int lowestKeys = request.target == NormalFormLevel::Third ? 2 : 1;
  const int keys = std::uniform_int_distribution<int>(lowestKeys - 1, 3)(rng);
  if (keys >= lowestKeys) request.keys = keys;
  request.redundantAttributes = std::uniform_int_distribution<int>(0, 2)(rng);
  request.redundantDependencies = std::uniform_int_distribution<int>(0, 2)(rng);
  const int fewest = request.redundantDependencies +
                     CoreRecords(request.target, request.keys.value_or(lowestKeys)) + 2;
  request.dependencies = std::uniform_int_distribution<int>(fewest, 2 * request.attributes)(rng);
  request.theme = static_cast<NameTheme>(std::uniform_int_distribution<int>(0, 3)(rng));
  request.language = static_cast<NameLanguage>(std::uniform_int_distribution<int>(0, 2)(rng));
  request.seed = rng();
  return request;
}

TEST(GeneratorProperties, PracticeRequestsGiveSchemasMeetingThemExactly) {
  std::mt19937 rng(5150);
  for (int s = 0; s < Rounds(400); ++s) {
    const GeneratorRequest request = DrawPracticeRequest(rng, kWideSchemas ? 13 : 9);
    const GeneratorResult result = GenerateSchema(request);
    const auto* generated = std::get_if<GeneratedSchema>(&result);
    ASSERT_NE(generated, nullptr) << Describe(request) << " refused with reason "
                                  << static_cast<int>(std::get<GeneratorFailure>(result).reason);
    ExpectMeets(request, *generated);
  }
}

TEST(GeneratorProperties, AnyRequestGivesAnExactSchemaOrAFailure) {
  std::mt19937 rng(6);
  for (int s = 0; s < Rounds(600); ++s) {
    GeneratorRequest request;
    request.attributes = std::uniform_int_distribution<int>(2, 8)(rng);
    request.dependencies = std::uniform_int_distribution<int>(1, 30)(rng);
    request.target = static_cast<NormalFormLevel>(std::uniform_int_distribution<int>(0, 3)(rng));
    if (rng() % 2 == 0) request.keys = std::uniform_int_distribution<int>(1, 8)(rng);
    request.redundantAttributes = std::uniform_int_distribution<int>(0, 4)(rng);
    request.redundantDependencies = std::uniform_int_distribution<int>(0, 4)(rng);
    request.seed = rng();
    const GeneratorResult result = GenerateSchema(request);
    if (const auto* generated = std::get_if<GeneratedSchema>(&result))
      ExpectMeets(request, *generated);
  }
}

// Every list of distinct non-trivial records over two or three attributes,
// with what it has: (attributes, normal form, records, keys, redundant
// records, redundant attributes).
std::set<std::tuple<int, int, int, int, int, int>> EverySmallSchema() {
  std::set<std::tuple<int, int, int, int, int, int>> seen;
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
      seen.emplace(n, brute::HighestNormalForm(n, fds), static_cast<int>(fds.size()),
                   static_cast<int>(brute::KeysOf((1u << n) - 1u, fds).size()),
                   brute::RedundantRecordCount(fds), brute::RedundantAttributeCount(fds));
    }
  }
  return seen;
}

TEST(GeneratorProperties, NoRefusalWhereASchemaOfUpToThreeAttributesExists) {
  const auto every = EverySmallSchema();
  const auto exists = [&](const GeneratorRequest& r) {
    return std::any_of(every.begin(), every.end(), [&](const auto& s) {
      const auto [n, level, records, keys, redundantRecords, redundantAttributes] = s;
      return n == r.attributes && level == LevelNumber(r.target) && records == r.dependencies &&
             (!r.keys || keys == *r.keys) && redundantRecords >= r.redundantDependencies &&
             redundantAttributes >= r.redundantAttributes;
    });
  };
  int refused = 0;
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
              ++refused;
              EXPECT_FALSE(exists(request)) << Describe(request);
            }
          }
        }
      }
    }
  }
  // The grid reaches every kind of refusal the small sizes have.
  EXPECT_GT(refused, 100);
}

}  // namespace
