#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "BenchSchemas.h"
#include "Closure.h"
#include "Derivation.h"
#include "Generator.h"
#include "Isomorphism.h"

namespace {

// A schema of twenty attributes per iteration, each with the next seed. A
// click waits for the slowest schema, so that one is counted as well.
void BM_Generate(benchmark::State& state, NormalFormLevel target, int dependencies, int keys,
                 int redundancy) {
  GeneratorRequest request;
  request.attributes = MaxAttributes;
  request.dependencies = dependencies;
  request.target = target;
  if (keys > 0) request.keys = keys;
  request.redundantAttributes = redundancy;
  request.redundantDependencies = redundancy;
  request.theme = NameTheme::Orders;
  double slowest = 0;
  int failed = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    GeneratorResult result = GenerateSchema(request);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    slowest = std::max(slowest, took.count());
    failed += std::holds_alternative<GeneratorFailure>(result) ? 1 : 0;
    ++request.seed;
    benchmark::DoNotOptimize(result);
  }
  state.counters["slowest_ms"] = slowest;
  state.counters["failed"] = failed;
}

// X -> everything X determines beyond itself.
void BM_Derive(benchmark::State& state, const DependencyList& list, AttributeSet x) {
  const AttributeSet y = FastClosure(list).Close(x) - x;
  std::size_t lines = 0;
  for (auto _ : state) {
    DerivationResult result = DeriveDependency(list, x, y);
    lines = result.lines.size();
    benchmark::DoNotOptimize(result);
  }
  state.counters["lines"] = static_cast<double>(lines);
}

// A twenty-attribute schema against a renamed copy with the records
// reversed: the search must find the renaming.
void BM_SameUpToRenaming(benchmark::State& state, const DependencyList& list) {
  DependencyList renamed;
  for (const Dependency& d : list) {
    std::vector<AttributeIndex> lhs;
    lhs.reserve(static_cast<std::size_t>(d.LhsCount()));
    for (int i = 0; i < d.LhsCount(); ++i)
      lhs.push_back((d.lhs[i] * 7 + 3) % MaxAttributes);
    renamed.push_front(NewDependency(lhs, (d.Rhs() * 7 + 3) % MaxAttributes));
  }
  bool same = false;
  for (auto _ : state) {
    same = SameUpToRenaming(list, renamed, MaxAttributes);
    benchmark::DoNotOptimize(same);
  }
  state.counters["same"] = same ? 1 : 0;
}

}  // namespace

constexpr NormalFormLevel k1NF = NormalFormLevel::First;
constexpr NormalFormLevel k2NF = NormalFormLevel::Second;
constexpr NormalFormLevel k3NF = NormalFormLevel::Third;
constexpr NormalFormLevel kBcnf = NormalFormLevel::BoyceCodd;

BENCHMARK_CAPTURE(BM_Generate, bcnf_20_records, kBcnf, 20, 0, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generate, bcnf_60_records_8_keys, kBcnf, 60, 8, 5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generate, third_20_records, k3NF, 20, 0, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generate, third_1024_keys, k3NF, 20, 1024, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generate, third_90_records_4_keys, k3NF, 90, 4, 5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generate, second_20_records, k2NF, 20, 0, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generate, second_256_keys, k2NF, 30, 256, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generate, second_90_records_2_keys, k2NF, 90, 2, 5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generate, first_20_records, k1NF, 20, 0, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generate, first_90_records_2_keys, k1NF, 90, 2, 5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Derive, chain, ChainSchema(), AttributeSet::Of({0}))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Derive, dense, DenseSchema(), AttributeSet::Of({0, 1, 2, 3, 4}))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SameUpToRenaming, dense, DenseSchema())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SameUpToRenaming, many_keys, ManyKeysSchema())->Unit(benchmark::kMicrosecond);
