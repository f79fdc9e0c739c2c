#include <benchmark/benchmark.h>

#include "BenchSchemas.h"
#include "Closure.h"
#include "Keys.h"
#include "Redundance.h"

namespace {

void BM_ComputeClosure(benchmark::State& state, const DependencyList& list) {
  for (auto _ : state) {
    AttributeSet set = AttributeSet::Of({0});
    ComputeClosure(set, NoAttribute, list, nullptr);
    benchmark::DoNotOptimize(set);
  }
}

void BM_Keys(benchmark::State& state, const DependencyList& list) {
  const AttributeTable names = BenchNames();
  std::size_t keys = 0;
  for (auto _ : state) {
    KeyList found = ComputeKeys(list, names);
    keys = found.size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["keys"] = static_cast<double>(keys);
}

void BM_RemoveRedundantDependencies(benchmark::State& state, const DependencyList& list) {
  for (auto _ : state) {
    DependencyList copy = list;
    RemoveRedundantDependencies(copy);
    benchmark::DoNotOptimize(copy);
  }
}

void BM_RemoveRedundantAttributes(benchmark::State& state, const DependencyList& list) {
  for (auto _ : state) {
    DependencyList copy = list;
    RemoveRedundantAttributes(copy);
    benchmark::DoNotOptimize(copy);
  }
}

void BM_RedundancyTests(benchmark::State& state, const DependencyList& list) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(HasRedundantDependency(list));
    benchmark::DoNotOptimize(HasRedundantAttribute(list));
  }
}

}  // namespace

BENCHMARK_CAPTURE(BM_ComputeClosure, dense, DenseSchema());
BENCHMARK_CAPTURE(BM_ComputeClosure, chain, ChainSchema());
BENCHMARK_CAPTURE(BM_Keys, dense, DenseSchema())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keys, chain, ChainSchema())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keys, many_keys, ManyKeysSchema())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RemoveRedundantDependencies, dense, DenseSchema())
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RemoveRedundantDependencies, many_keys, ManyKeysSchema())
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RemoveRedundantAttributes, dense, DenseSchema())
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RemoveRedundantAttributes, many_keys, ManyKeysSchema())
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RedundancyTests, dense, DenseSchema())->Unit(benchmark::kMicrosecond);
