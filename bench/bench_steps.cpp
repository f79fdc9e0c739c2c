// The steps of the decomposition and synthesis windows that the benchmarks
// of the split and the merge do not cover: the uncovered and projection
// searches of the decomposition, and the split by left-hand sides and the
// projection of the synthesis.

#include <benchmark/benchmark.h>

#include "BenchSchemas.h"
#include "Keys.h"
#include "Nf.h"
#include "Redundance.h"

namespace {

// Splits slot s by its first dependency that violates a normal form.
bool SplitByFirstViolation(DecompositionState& state, int s) {
  const SubSchema& schema = state.schemas[s];
  const AttributeSet nonPrime = MarkNonPrimeAttributes(schema.keys);
  int position = 0;
  for (const Dependency& d : schema.dependencies) {
    if (DependencyNormalForm(d, schema.keys, nonPrime) != NormalFormClass::Bcnf) {
      if (CheckSplit(state, position, s).outcome != DecompositionOutcome::Proceed) return false;
      DecomposeSchema(state, position, s);
      return true;
    }
    ++position;
  }
  return false;
}

// The dense schema split at the root and, where they still violate a normal
// form, at both children.
DecompositionState SplitTree() {
  const AttributeTable names = BenchNames();
  const DependencyList list = DenseSchema();
  DecompositionState state;
  LoadDecomposition(state, names, list, ComputeKeys(list, names));
  if (SplitByFirstViolation(state, 0)) {
    SplitByFirstViolation(state, 1);
    SplitByFirstViolation(state, 2);
  }
  return state;
}

// Times `step` on a fresh copy of `start` in every iteration; making the
// copy is not timed.
template <typename Start, typename Step>
void TimeOnCopies(benchmark::State& state, const Start& start, Step step) {
  for (auto _ : state) {
    state.PauseTiming();
    Start work = start;
    state.ResumeTiming();
    step(work);
    benchmark::DoNotOptimize(work);
  }
}

void BM_UncoveredSearch(benchmark::State& state) {
  int added = 0;
  TimeOnCopies(state, SplitTree(), [&added](DecompositionState& work) {
    ApplyUncovered(work);
    added = AddedCount(work);
  });
  state.counters["added_schemas"] = added;
}

void BM_ProjectionSearch(benchmark::State& state) {
  DecompositionState tree = SplitTree();
  ApplyUncovered(tree);
  int projections = 0;
  TimeOnCopies(state, tree, [&projections](DecompositionState& work) {
    AddProjectionSchemas(work);
    projections = ProjectionCount(work);
  });
  state.counters["projection_schemas"] = projections;
}

SynthesisState LoadedSynthesis() {
  const AttributeTable names = BenchNames();
  DependencyList cover = DenseSchema();
  ReduceToMinimalCover(cover);
  SynthesisState loaded;
  LoadSynthesis(loaded, names, cover, ComputeKeys(cover, names));
  return loaded;
}

void BM_SynthesisSplit(benchmark::State& state) {
  int schemas = 0;
  TimeOnCopies(state, LoadedSynthesis(), [&schemas](SynthesisState& work) {
    SplitByLeftSides(work);
    schemas = work.schemaCount;
  });
  state.counters["schemas"] = schemas;
}

void BM_SynthesisProjection(benchmark::State& state) {
  SynthesisState merged = LoadedSynthesis();
  SplitByLeftSides(merged);
  MergeEquivalentKeys(merged, EarlierProjections::Keep);
  TimeOnCopies(state, merged, [](SynthesisState& work) { AbsorbProjections(work); });
}

}  // namespace

BENCHMARK(BM_UncoveredSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProjectionSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SynthesisSplit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SynthesisProjection)->Unit(benchmark::kMillisecond);
