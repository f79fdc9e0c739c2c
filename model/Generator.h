#pragma once

// Random schemas for practice. A request names the size of the schema, the
// highest normal form it is to be in, and optionally its number of keys and
// the least amount of redundancy; the generator lays out keys and
// dependencies that have these properties by construction, then confirms
// them with the program's own key, normal-form and redundancy routines. The
// same request, seed included, gives the same schema on every platform.

#include <cstdint>
#include <optional>
#include <variant>

#include "DecompositionCheck.h"
#include "NameThemes.h"
#include "Schema.h"

// The key search takes a few milliseconds for a thousand keys; far more
// would keep the student waiting.
inline constexpr int MaxGeneratedKeys = 1024;

struct GeneratorRequest {
  int attributes = 6;    // 2 .. MaxAttributes
  int dependencies = 6;  // records, each with one right-hand attribute: 1 .. DbcMaxEntries
  // The highest normal form the schema is in, judged as the decomposition
  // window judges a schema.
  NormalFormLevel target = NormalFormLevel::Third;
  // Exactly this many candidate keys; any number when absent.
  std::optional<int> keys;
  // Lower bounds: the findings the redundant attributes window lists (one
  // per record and left-hand attribute) and the records the redundant
  // dependencies window lists. Reaching the number of dependencies may take
  // redundant records beyond these.
  int redundantAttributes = 0;
  int redundantDependencies = 0;
  NameTheme theme = NameTheme::Letters;
  NameLanguage language = NameLanguage::CzechAscii;
  std::uint64_t seed = 0;
};

struct GeneratedSchema {
  // Names in slots 0 .. attributes - 1, the dependencies (distinct, none
  // with its right-hand attribute on the left), and the keys as the main
  // window computes them.
  Schema schema;
  int redundantAttributes = 0;
  int redundantDependencies = 0;
};

// Why no schema came out; `limit` is the number the reason names.
enum class GeneratorRefusal : std::uint8_t {
  // Outside what the generator takes; limit: the nearest number it takes.
  AttributesOutOfRange,
  DependenciesOutOfRange,
  KeysOutOfRange,
  RedundancyOutOfRange,  // a negative lower bound; limit: 0
  // No schema of this size has the properties asked for.
  TooFewAttributes,              // limit: the fewest attributes that do
  TooFewDependencies,            // limit: the fewest dependencies that do
  TooManyDependencies,           // limit: the distinct dependencies there are
  TooFewKeys,                    // limit: the fewest keys the normal form has
  TooManyKeys,                   // limit: the most keys the attributes allow
  TooManyRedundantAttributes,    // limit: the most left-hand attributes there can be
  TooManyRedundantDependencies,  // limit: the number of dependencies
  // Possibly reachable, but none of the bounded number of tries got there.
  NotFound,
};

struct GeneratorFailure {
  GeneratorRefusal reason = GeneratorRefusal::NotFound;
  int limit = 0;
};

using GeneratorResult = std::variant<GeneratedSchema, GeneratorFailure>;

GeneratorResult GenerateSchema(const GeneratorRequest& request);
