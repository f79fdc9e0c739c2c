#include <benchmark/benchmark.h>

#include "BenchSchemas.h"
#include "Keys.h"
#include "SubSchema.h"
#include "Synthesis.h"

namespace {

// A0 and A1 determine each other; A0 determines A2 and A4 .. A18, A1 also
// A19, and A2 alone determines A3, which keeps the schema below 3NF. The
// split gives A0's schema (18 attributes), A1's schema (A0, A1, A19) and
// A2's; the first two have equivalent keys, and their union of 19
// attributes is the widest the merge reaches on a minimal cover of 20
// attributes.
DependencyList WideUnionSchema() {
  DependencyList list;
  list.push_back(NewDependency({0}, 1));
  list.push_back(NewDependency({0}, 2));
  for (AttributeIndex a = 4; a <= 18; ++a)
    list.push_back(NewDependency({0}, a));
  list.push_back(NewDependency({1}, 0));
  list.push_back(NewDependency({1}, 19));
  list.push_back(NewDependency({2}, 3));
  return list;
}

SynthesisState SplitState(const DependencyList& cover) {
  const AttributeTable names = BenchNames();
  SynthesisState state;
  DependencyList reduced = cover;
  ReduceToMinimalCover(reduced);
  LoadSynthesis(state, names, reduced, ComputeKeys(reduced, names));
  SplitByLeftSides(state);
  return state;
}

// The split, which completes each split schema by what the cover implies in
// it to find its keys and normal form: the schema of A0 has 18 attributes.
void BM_SplitByLeftSides(benchmark::State& state) {
  DependencyList cover = WideUnionSchema();
  ReduceToMinimalCover(cover);
  const AttributeTable names = BenchNames();
  const KeyList keys = ComputeKeys(cover, names);
  int schemas = 0;
  for (auto _ : state) {
    SynthesisState split;
    LoadSynthesis(split, names, cover, keys);
    SplitByLeftSides(split);
    schemas = LeftSideCount(split);
    benchmark::DoNotOptimize(split);
  }
  state.counters["schemas"] = schemas;
}

// The whole merge step, on a fresh copy of the split each time.
void BM_MergeEquivalentKeys(benchmark::State& state) {
  const SynthesisState split = SplitState(WideUnionSchema());
  int unions = 0;
  for (auto _ : state) {
    SynthesisState copy = split;
    MergeEquivalentKeys(copy, EarlierProjections::Keep);
    unions = copy.lastMergedSlot + 1;
    benchmark::DoNotOptimize(copy);
  }
  state.counters["unions"] = unions;
  state.counters["attributes"] = (split.schemas[1].member | split.schemas[2].member).Count();
}

// The completion alone on all 20 attributes: every proper subset, under a
// dense reduced schema.
void BM_CompleteByProjection20(benchmark::State& state) {
  DependencyList cover = DenseSchema();
  ReduceToMinimalCover(cover);
  SubSchema start;
  start.member.mask = AllAttributesMask;
  for (const Dependency& d : cover) {
    if (d.LhsSet().IsSubsetOf(start.member)) start.dependencies.push_back(d);
  }
  std::size_t added = 0;
  for (auto _ : state) {
    SubSchema record = start;
    CompleteByProjection(record, cover);
    added = record.dependencies.size() - start.dependencies.size();
    benchmark::DoNotOptimize(record);
  }
  state.counters["added"] = static_cast<double>(added);
}

}  // namespace

BENCHMARK(BM_SplitByLeftSides)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeEquivalentKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompleteByProjection20)->Unit(benchmark::kMillisecond);
