#include <benchmark/benchmark.h>

#include "BenchSchemas.h"
#include "MaxSets.h"

namespace {

// Twenty attributes with only eight dependencies, each with a left-hand side
// of two to four attributes: many attributes stay free, so the maximal sets
// are few and large.
DependencyList SparseSchema(unsigned seed = 7) {
  return RandomSchema(seed, 8, 2, 4);
}

// Thirty dependencies with single left-hand attributes drawn from half of the
// attributes: a dense web of short chains.
DependencyList SingleLhsSchema(unsigned seed = 11) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<AttributeIndex> attr(0, MaxAttributes - 1);
  DependencyList list;
  while (list.size() < 30) {
    const AttributeIndex lhs = attr(rng) % 10;
    list.push_back(NewDependency({lhs}, attr(rng)));
  }
  return list;
}

// Thirty dependencies with left-hand sides of two to five attributes, as wide
// as the dependency editor allows.
DependencyList WideSchema(unsigned seed) {
  return RandomSchema(seed, 30, 2, 5);
}

// Ninety records over twenty attributes, as many as a schema file holds, each
// left-hand side of `width` distinct attributes and the right-hand attribute
// outside it: the densest schemas the program opens. Their lhs families run
// to hundreds of thousands of distinct sets.
DependencyList FullFileSchema(unsigned seed, int width) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<AttributeIndex> attr(0, MaxAttributes - 1);
  DependencyList list;
  while (list.size() < 90) {
    std::vector<AttributeIndex> lhs;
    AttributeSet drawn;
    while (static_cast<int>(lhs.size()) < width) {
      const AttributeIndex a = attr(rng);
      if (drawn.Has(a)) continue;
      drawn.Add(a);
      lhs.push_back(a);
    }
    AttributeIndex rhs = attr(rng);
    while (drawn.Has(rhs))
      rhs = attr(rng);
    list.push_back(NewDependency(lhs, rhs));
  }
  return list;
}

void BM_ComputeMaxSets(benchmark::State& state, const DependencyList& list) {
  std::size_t sets = 0;
  for (auto _ : state) {
    MaxSetFamily max = ComputeMaxSets(list, MaxAttributes);
    sets = 0;
    for (const SetList& family : max)
      sets += family.size();
    benchmark::DoNotOptimize(max);
  }
  state.counters["sets"] = static_cast<double>(sets);
}

// The one-attribute computation for every attribute in turn, as a student
// stepping through the choices would run it.
void BM_MaxSetsOfEveryAttribute(benchmark::State& state, const DependencyList& list) {
  std::size_t sets = 0;
  for (auto _ : state) {
    sets = 0;
    for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
      AttributeMaxSets one = ComputeMaxSetsOfAttribute(list, a, MaxAttributes);
      sets += one.maxOfA.size();
      benchmark::DoNotOptimize(one);
    }
  }
  state.counters["sets"] = static_cast<double>(sets);
}

// One attribute whose left-hand-side family is large.
void BM_MaxSetsOfAttribute(benchmark::State& state, const DependencyList& list, AttributeIndex a,
                           std::size_t limit = LhsFamilyLimit) {
  std::size_t nodes = 0;
  for (auto _ : state) {
    AttributeMaxSets one = ComputeMaxSetsOfAttribute(list, a, MaxAttributes, limit);
    nodes = one.lhsFamily.size();
    benchmark::DoNotOptimize(one);
  }
  state.counters["lhs_nodes"] = static_cast<double>(nodes);
}

// Names of the longest length the attribute editor takes, so that the
// listings run as long as they can.
AttributeTable LongNames() {
  AttributeTable names;
  for (int i = 0; i < MaxAttributes; ++i)
    names[i] = "Atribut_cislo" + std::to_string(10 + i);
  return names;
}

// The window's listing less the heading words, which are the Qt layer's.
std::string Joined(const std::vector<MaxFamilyEntry>& entries) {
  std::string text;
  for (const MaxFamilyEntry& entry : entries) {
    text += entry.attribute;
    text += '\n';
    text += entry.sets;
    text += "\n\n";
  }
  return text;
}

// One click on "Maximalni mnoziny": the MAX family and the text the window
// shows.
void BM_MaxFamilyListing(benchmark::State& state, const DependencyList& list) {
  const AttributeTable names = LongNames();
  MaxSetFamily max;
  std::size_t characters = 0;
  for (auto _ : state) {
    max = ComputeMaxSets(list, MaxAttributes);
    const std::string text = Joined(MaxFamilyEntries(max, names, MaxAttributes));
    characters = text.size();
    benchmark::DoNotOptimize(text);
  }
  std::size_t shown = 0;
  for (const SetList& family : max)
    shown += family.size();
  state.counters["sets"] = static_cast<double>(SetsStoodFor(max));
  state.counters["shown"] = static_cast<double>(shown);
  state.counters["chars"] = static_cast<double>(characters);
}

// One click on "Maximalni mnozina (A)": the three listings of one attribute.
void BM_AttributeListing(benchmark::State& state, const DependencyList& list, AttributeIndex a) {
  const AttributeTable names = LongNames();
  AttributeMaxSets one;
  std::size_t characters = 0;
  for (auto _ : state) {
    one = ComputeMaxSetsOfAttribute(list, a, MaxAttributes);
    const SetList& lhs =
        IsCondensed(one.lhsFamily) ? InclusionMinimal(one.lhsFamily) : one.lhsFamily;
    const std::string text = LhsFamilyLine(lhs, names, MaxAttributes) +
                             TransversalsLine(one.transversals, names, MaxAttributes) +
                             MaxOfALine(one.maxOfA, names, MaxAttributes);
    characters = text.size();
    benchmark::DoNotOptimize(text);
  }
  state.counters["sets"] = static_cast<double>(SetsStoodFor(one.lhsFamily));
  state.counters["shown"] = static_cast<double>(one.lhsFamily.size());
  state.counters["chars"] = static_cast<double>(characters);
}

// The model's part of "--report maxsets": the MAX family and its listing,
// the prime test of every attribute and the BCNF test.
void BM_MaxSetsReport(benchmark::State& state, const DependencyList& list) {
  const AttributeTable names = LongNames();
  for (auto _ : state) {
    const MaxSetFamily max = ComputeMaxSets(list, MaxAttributes);
    benchmark::DoNotOptimize(MaxFamilyEntries(max, names, MaxAttributes));
    for (AttributeIndex a = 0; a < MaxAttributes; ++a)
      benchmark::DoNotOptimize(IsPrimeAttribute(max[a], a, list, MaxAttributes));
    benchmark::DoNotOptimize(IsInBcnf(max, list, MaxAttributes));
  }
}

void BM_BcnfTest(benchmark::State& state, const DependencyList& list) {
  const MaxSetFamily max = ComputeMaxSets(list, MaxAttributes);
  for (auto _ : state)
    benchmark::DoNotOptimize(IsInBcnf(max, list, MaxAttributes));
}

}  // namespace

BENCHMARK_CAPTURE(BM_ComputeMaxSets, sparse, SparseSchema())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputeMaxSets, dense, DenseSchema())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputeMaxSets, dense_2, DenseSchema(2))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputeMaxSets, dense_3, DenseSchema(3))->Unit(benchmark::kMillisecond);
// The largest families among 200 seeds of each kind; the lhs families also
// built in full up to a million nodes.
BENCHMARK_CAPTURE(BM_ComputeMaxSets, dense_112, DenseSchema(112))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputeMaxSets, wide_183, WideSchema(183))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputeMaxSets, wide_42, WideSchema(42))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputeMaxSets, single_lhs, SingleLhsSchema())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputeMaxSets, chain, ChainSchema())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputeMaxSets, many_keys, ManyKeysSchema())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxSetsOfEveryAttribute, sparse, SparseSchema())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxSetsOfEveryAttribute, dense, DenseSchema())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxSetsOfEveryAttribute, dense_2, DenseSchema(2))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxSetsOfEveryAttribute, dense_3, DenseSchema(3))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxSetsOfEveryAttribute, single_lhs, SingleLhsSchema())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxSetsOfEveryAttribute, chain, ChainSchema())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxSetsOfEveryAttribute, many_keys, ManyKeysSchema())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxSetsOfAttribute, dense_6_D, DenseSchema(6), 3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxSetsOfAttribute, dense_6_D_exact, DenseSchema(6), 3, 1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxSetsOfAttribute, dense_112_H, DenseSchema(112), 7)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxSetsOfAttribute, dense_112_H_exact, DenseSchema(112), 7, 1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxSetsOfAttribute, wide_166_L, WideSchema(166), 11)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxSetsOfAttribute, wide_166_L_exact, WideSchema(166), 11, 1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxSetsOfAttribute, wide_175_J, WideSchema(175), 9)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BcnfTest, dense_112, DenseSchema(112))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BcnfTest, dense, DenseSchema())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BcnfTest, many_keys, ManyKeysSchema())->Unit(benchmark::kMillisecond);
// The listings a click fills, with the longest names: the largest MAX
// families among 1000 seeds of each kind (wide_189 stands for 710,352 sets)
// and the largest lhs families (dense_345 for 165,106 sets, 20,868 of them
// distinct).
BENCHMARK_CAPTURE(BM_MaxFamilyListing, wide_189, WideSchema(189))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxFamilyListing, wide_42, WideSchema(42))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxFamilyListing, wide_192, WideSchema(192))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MaxFamilyListing, dense_238, DenseSchema(238))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AttributeListing, dense_345_T, DenseSchema(345), 19)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AttributeListing, dense_112_S, DenseSchema(112), 18)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AttributeListing, dense_844_F, DenseSchema(844), 5)
    ->Unit(benchmark::kMillisecond);
// Full schema files, three seeds for each width of the left-hand sides; the
// attribute of each is the one with the largest lhs family.
#define FULL_FILE_BENCHMARKS(width, seed, attribute)                                             \
  BENCHMARK_CAPTURE(BM_ComputeMaxSets, full_file_w##width##_##seed, FullFileSchema(seed, width)) \
      ->Unit(benchmark::kMillisecond);                                                           \
  BENCHMARK_CAPTURE(BM_AttributeListing, full_file_w##width##_##seed##_##attribute,              \
                    FullFileSchema(seed, width), attribute)                                      \
      ->Unit(benchmark::kMillisecond);                                                           \
  BENCHMARK_CAPTURE(BM_MaxSetsReport, full_file_w##width##_##seed, FullFileSchema(seed, width))  \
      ->Unit(benchmark::kMillisecond)
FULL_FILE_BENCHMARKS(2, 1, 12);
FULL_FILE_BENCHMARKS(2, 2, 1);
FULL_FILE_BENCHMARKS(2, 3, 12);
FULL_FILE_BENCHMARKS(3, 1, 6);
FULL_FILE_BENCHMARKS(3, 2, 1);
FULL_FILE_BENCHMARKS(3, 3, 11);
FULL_FILE_BENCHMARKS(4, 1, 17);
FULL_FILE_BENCHMARKS(4, 2, 1);
FULL_FILE_BENCHMARKS(4, 3, 18);
