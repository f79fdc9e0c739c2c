#include <benchmark/benchmark.h>

#include "BenchSchemas.h"
#include "DependencyDiagram.h"

namespace {

// Laying out the diagram of a window's schema: 20 attributes and up to the
// 90 records a file holds.
void BM_LayOutDiagram(benchmark::State& state, const DependencyList& list) {
  std::size_t crossings = 0;
  for (auto _ : state) {
    const DiagramLayout layout = LayOutDiagram(list, MaxAttributes);
    crossings = CountCrossings(layout);
    benchmark::DoNotOptimize(layout);
  }
  state.counters["crossings"] = static_cast<double>(crossings);
}

}  // namespace

BENCHMARK_CAPTURE(BM_LayOutDiagram, dense, DenseSchema())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LayOutDiagram, ninety, RandomSchema(90, 90, 2, 4))
    ->Unit(benchmark::kMillisecond);
