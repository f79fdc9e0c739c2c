#include <benchmark/benchmark.h>

#include "BenchSchemas.h"
#include "Decomposition.h"
#include "Keys.h"

namespace {

// Twenty attributes: A0 -> A1 first, then thirty random dependencies none of
// whose left-hand sides lies inside {A0, A1}. The closure of A0 is {A0, A1},
// so splitting by A0 -> A1 leaves 19 attributes to the right child, and the
// dependencies through A1 have to be completed there.
DependencyList WideSplitSchema() {
  std::mt19937 rng(55);
  std::uniform_int_distribution<AttributeIndex> attr(0, MaxAttributes - 1);
  std::uniform_int_distribution<int> width(1, 3);
  DependencyList list;
  list.push_back(NewDependency({0}, 1));
  while (list.size() < 31) {
    std::vector<AttributeIndex> lhs;
    AttributeSet lhsSet;
    const int w = width(rng);
    for (int k = 0; k < w; ++k) {
      lhs.push_back(attr(rng));
      lhsSet.Add(lhs.back());
    }
    if (lhsSet.IsSubsetOf(AttributeSet::Of({0, 1}))) continue;
    list.push_back(NewDependency(lhs, attr(rng)));
  }
  return list;
}

void BM_DecomposeTwentyAttributes(benchmark::State& state) {
  const AttributeTable names = BenchNames();
  const DependencyList list = WideSplitSchema();
  const KeyList keys = ComputeKeys(list, names);
  DecompositionState loaded;
  LoadDecomposition(loaded, names, list, keys);
  std::size_t rightMembers = 0;
  std::size_t rightDependencies = 0;
  for (auto _ : state) {
    state.PauseTiming();
    DecompositionState work = loaded;
    state.ResumeTiming();
    DecomposeSchema(work, 0, 0);
    rightMembers = static_cast<std::size_t>(work.schemas[2].member.Count());
    rightDependencies = work.schemas[2].dependencies.size();
    benchmark::DoNotOptimize(work);
  }
  state.counters["right_members"] = static_cast<double>(rightMembers);
  state.counters["right_deps"] = static_cast<double>(rightDependencies);
}
BENCHMARK(BM_DecomposeTwentyAttributes)->Unit(benchmark::kMillisecond);

// The completion alone over all 2^20 - 2 proper subsets of twenty members.
void BM_CompleteByProjectionTwentyMembers(benchmark::State& state, const DependencyList& source) {
  std::size_t appended = 0;
  for (auto _ : state) {
    SubSchema record;
    record.member = AttributeSet{AllAttributesMask};
    CompleteByProjection(record, source);
    appended = record.dependencies.size();
    benchmark::DoNotOptimize(record);
  }
  state.counters["appended"] = static_cast<double>(appended);
}
BENCHMARK_CAPTURE(BM_CompleteByProjectionTwentyMembers, dense, DenseSchema())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CompleteByProjectionTwentyMembers, chain, ChainSchema())
    ->Unit(benchmark::kMillisecond);

}  // namespace
