#include <gtest/gtest.h>

#include "Derivation.h"
#include "SchemaText.h"

namespace {

const RuleNames kRuleNames = {"given",        "reflexivity", "augmentation",
                              "transitivity", "union",       "decomposition"};

std::vector<std::string> Shown(const DerivationResult& result) {
  std::vector<std::string> shown;
  for (const DerivationLine& line : result.lines)
    shown.push_back(ShowDerivationLine(line, Names("ABCDEFG"), kRuleNames));
  return shown;
}

struct DerivationCase {
  const char* name;
  const char* deps;
  const char* x;
  const char* y;
  std::vector<std::string> lines;
};

class DerivationTable : public testing::TestWithParam<DerivationCase> {};

TEST_P(DerivationTable, Lines) {
  const DerivationCase& c = GetParam();
  const DerivationResult result = DeriveDependency(Deps(c.deps), Set(c.x), Set(c.y));
  EXPECT_TRUE(result.follows);
  EXPECT_EQ(Shown(result), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Derivation, DerivationTable,
    testing::Values(
        // The shortcut A -> C is taken rather than the way round over B.
        DerivationCase{
            "ShortestWay",
            "A->B; B->C; A->C; C->D",
            "A",
            "D",
            {"1. A -> C (given)", "2. C -> D (given)", "3. A -> D (transitivity: 1, 2)"}},
        // B + D + E is cut from the union built for B + C + D + E -> F.
        DerivationCase{"DecompositionOfAWiderUnion",
                       "A->B; A->C; A->D; A->E; BCDE->F; BDE->G",
                       "A",
                       "FG",
                       {"1. A -> B (given)", "2. A -> C (given)", "3. A -> D (given)",
                        "4. A -> E (given)", "5. A -> B + C (union: 1, 2)",
                        "6. A -> B + C + D (union: 5, 3)", "7. A -> B + C + D + E (union: 6, 4)",
                        "8. B + C + D + E -> F (given)", "9. A -> F (transitivity: 7, 8)",
                        "10. A -> B + D + E (decomposition: 7)", "11. B + D + E -> G (given)",
                        "12. A -> G (transitivity: 10, 11)", "13. A -> F + G (union: 9, 12)"}}),
    [](const testing::TestParamInfo<DerivationCase>& info) { return info.param.name; });

}  // namespace
