// The dependency diagram's layout: every line covers what it connects, no
// two lines share a stretch of a lane, and the row is ordered so that a
// chain written out of order reads without crossings.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "BruteForce.h"
#include "DependencyDiagram.h"
#include "SchemaText.h"

namespace {

void ExpectSound(const DiagramLayout& layout, int n) {
  std::vector<AttributeIndex> sorted = layout.order;
  std::sort(sorted.begin(), sorted.end());
  for (int a = 0; a < n; ++a)
    ASSERT_EQ(sorted[static_cast<std::size_t>(a)], static_cast<AttributeIndex>(a));
  for (const DiagramGroup& g : layout.groups) {
    for (AttributeIndex a = 0; a < static_cast<AttributeIndex>(n); ++a) {
      const bool touched = g.lhs.Has(a) || std::count(g.rhs.begin(), g.rhs.end(), a) > 0;
      if (touched) {
        EXPECT_LE(g.first, layout.slotOf[a]);
        EXPECT_GE(g.last, layout.slotOf[a]);
      }
    }
    for (const DiagramGroup& h : layout.groups) {
      if (&h == &g || h.above != g.above || h.lane != g.lane) continue;
      EXPECT_TRUE(g.last < h.first || h.last < g.first) << "two lines share a lane";
    }
  }
}

TEST(DependencyDiagram, ShuffledChainReadsWithoutCrossings) {
  // A -> D -> B -> C: in the schema's order the lines overlap.
  const DiagramLayout layout = LayOutDiagram(Deps("A->D; D->B; B->C"), 4);
  ExpectSound(layout, 4);
  EXPECT_EQ(CountCrossings(layout), 0u);
  for (const DiagramGroup& g : layout.groups)
    EXPECT_EQ(g.last - g.first, 1);
  EXPECT_EQ(layout.groups.size(), 3u);
}

TEST(DependencyDiagram, OneLineForEachLeftSide) {
  const DiagramLayout layout = LayOutDiagram(Deps("AB->C; AB->D; AB->C; ->A"), 4);
  ASSERT_EQ(layout.groups.size(), 2u);
  EXPECT_EQ(layout.groups[0].rhs, (std::vector<AttributeIndex>{2, 3}));
  EXPECT_TRUE(layout.groups[1].lhs.Empty());
}

TEST(DependencyDiagram, RandomSchemasLaidOutSoundly) {
  std::mt19937 rng(4242);
  for (int round = 0; round < 100; ++round) {
    const bool widest = round % 25 == 0;
    const int n = widest ? MaxAttributes : 1 + static_cast<int>(rng() % 10);
    const int most = widest ? 90 : 15;
    const DiagramLayout layout = LayOutDiagram(brute::RandomEdgeDependencies(rng, n, most, 4), n);
    ExpectSound(layout, n);
  }
}

}  // namespace
