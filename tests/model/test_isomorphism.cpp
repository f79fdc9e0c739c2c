#include <gtest/gtest.h>

#include "Isomorphism.h"

namespace {

// Ten pairs and five cycles of four: every attribute stands once on each
// side, so colours alone cannot tell them apart.
TEST(Isomorphism, CyclesOfDifferentLengthOnTwentyAttributes) {
  DependencyList pairs, fours, renamedPairs;
  for (AttributeIndex i = 0; i < 20; ++i) {
    pairs.push_back(NewDependency({i}, i ^ 1u));
    fours.push_back(NewDependency({i}, (i & ~3u) | ((i + 1) & 3u)));
    renamedPairs.push_back(NewDependency({(i * 7) % 20}, ((i ^ 1u) * 7) % 20));
  }
  EXPECT_TRUE(SameUpToRenaming(pairs, renamedPairs, 20));
  EXPECT_FALSE(SameUpToRenaming(pairs, fours, 20));
}

}  // namespace
