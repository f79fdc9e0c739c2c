// The renaming test against trying every permutation of up to six
// attributes, on random lists, renamed copies of them and lists with one
// record changed.

#include <gtest/gtest.h>

#include <algorithm>

#include "BruteForce.h"
#include "Isomorphism.h"
#include "PropertyScale.h"
#include "SchemaText.h"

namespace {

TEST(IsomorphismProperties, AgreesWithEveryPermutation) {
  std::mt19937 rng(1234);
  for (int s = 0; s < Rounds(600); ++s) {
    const int n = std::uniform_int_distribution<int>(1, 6)(rng);
    const DependencyList first = brute::RandomDependencies(rng, n, 7, 3);
    DependencyList second;
    switch (rng() % 3) {
      case 0: {  // renamed, reordered, with a record twice
        std::vector<AttributeIndex> rename(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
          rename[i] = static_cast<AttributeIndex>(i);
        std::shuffle(rename.begin(), rename.end(), rng);
        for (const Dependency& d : first) {
          std::vector<AttributeIndex> lhs;
          for (int i = d.LhsCount(); i-- > 0;)
            lhs.push_back(rename[d.lhs[i]]);
          second.push_front(NewDependency(lhs, rename[d.Rhs()]));
        }
        if (!first.empty()) second.push_back(second.front());
        break;
      }
      case 1:  // another random list
        second = brute::RandomDependencies(rng, n, 7, 3);
        break;
      default:  // one record changed
        second = first;
        if (!second.empty()) second.front().rhs.attribute = static_cast<AttributeIndex>(rng() % n);
        break;
    }
    EXPECT_EQ(SameUpToRenaming(first, second, n),
              brute::SameUpToRenaming(n, brute::FromList(first), brute::FromList(second)))
        << n << ": " << DepsText(first) << " / " << DepsText(second);
  }
}

}  // namespace
