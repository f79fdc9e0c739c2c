#include <benchmark/benchmark.h>

#include "BenchSchemas.h"
#include "DecompositionCheck.h"

namespace {

// Ninety dependencies over twenty attributes, judged for five parts of four
// attributes each, or for one part holding them all, whose projection
// visits every subset of the twenty.
void BM_CheckDecomposition(benchmark::State& state, const std::vector<AttributeSet>& parts) {
  const AttributeTable names = BenchNames();
  const DependencyList list = RandomSchema(90, 90, 1, 3);
  for (auto _ : state) {
    DecompositionVerdict verdict = CheckDecomposition(names, list, parts);
    benchmark::DoNotOptimize(verdict);
  }
}
BENCHMARK_CAPTURE(BM_CheckDecomposition, five_parts,
                  std::vector<AttributeSet>{AttributeSet{0xFu}, AttributeSet{0xF0u},
                                            AttributeSet{0xF00u}, AttributeSet{0xF000u},
                                            AttributeSet{0xF0000u}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CheckDecomposition, whole_schema,
                  std::vector<AttributeSet>{AttributeSet{AllAttributesMask}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
