#pragma once

// The decomposition of a schema into a tree of sub-schemas, as the
// decomposition window carries it out: the schema slots and the window's
// counters and flags, the step that splits a schema by a violating
// dependency, the schemas added for uncovered dependencies, the projection
// schemas, and the contents of both reports.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Schema.h"
#include "SubSchema.h"

// Slots: 0 is the root, 1..14 the tree (the children of k are 2k+1 and
// 2k+2), then the schemas added for uncovered dependencies, then the
// projection schemas. Each of the last two rows holds as many schemas as its
// step made, so that no dependency is left uncovered for want of room: the
// uncovered search adds at most one schema per dependency of the root.
inline constexpr int TreeSlots = 15;
inline constexpr int FirstAddedSlot = TreeSlots;
// Nodes 0..6 are the only ones whose children fit into the tree.
inline constexpr int SplitNodes = 7;

// A slot's `state`: Current for a result schema, Replaced once it has two
// children, Absorbed once it is merged into a projection.

struct DecompositionState {
  // Indexed by slot; always holds the tree's slots.
  std::vector<SubSchema> schemas = std::vector<SubSchema>(TreeSlots);
  AttributeTable attributeNames;
  // Per node, the position in its list of the dependency it was split by;
  // -1 = not split.
  std::array<int, SplitNodes> splitDependency = {-1, -1, -1, -1, -1, -1, -1};
  // Per node, the dependency it was split by, with the further right-hand
  // names of its left child added ("B -> C + D").
  std::array<std::string, SplitNodes> splitLabel;
  // What each slot is called on the screen and in the reports: 0 for the
  // root, the running number of a created schema, what it joins for a
  // projection.
  std::vector<NumberLabel> numberLabel = std::vector<NumberLabel>(TreeSlots);
  // Where the projection schemas begin; the added schemas end there.
  int firstProjectionSlot = FirstAddedSlot;
  int schemaCounter = 0;
  // The slot most recently filled by a decomposition.
  int currentSlot = 0;
  bool projectionDone = false;
  bool uncoveredDone = false;
  bool uncoveredPossible = true;
  bool projectionPossible = true;
};

// The number of slots, the tree's included, and how many schemas each of the
// last two rows holds.
int SlotCount(const DecompositionState& state);
int AddedCount(const DecompositionState& state);
int ProjectionCount(const DecompositionState& state);

// How a step ends, or, from a check, whether the step may run.
enum class DecompositionOutcome : std::uint8_t {
  Proceed,
  Done,
  // Nothing to do and nothing to tell: the same split again, a slot or
  // dependency that is not there, a step already carried out.
  Unchanged,
  TooDeep,
  NotDecomposed,
  NoUncovered,
  NoProjection,
};

// The questions asked before a step throws away schemas made earlier.
enum class DecompositionQuestion : std::uint8_t {
  None,
  // Splitting a split schema by another dependency drops its subtree
  // (OK/Cancel).
  SplitAgain,
  // The rest are yes/no.
  SplitDiscardsAddedAndProjections,
  SplitDiscardsProjections,
  SplitDiscardsAdded,
  UncoveredDiscardsProjections,
};

// What a step would do: whether it runs at all and, if so, the question the
// student must accept first.
struct DecompositionCheck {
  DecompositionOutcome outcome = DecompositionOutcome::Proceed;
  DecompositionQuestion question = DecompositionQuestion::None;
};

// Starts afresh with the given schema as the root. The root takes copies of
// the lists, so that the main window may replace its own while the window
// stays open.
void LoadDecomposition(DecompositionState& state, const AttributeTable& names,
                       const DependencyList& dependencies, const KeyList& keys);

// Whether slot s can be split by the dependency at position d of its list,
// and what must be asked first to guard the schemas already made.
DecompositionCheck CheckSplit(const DecompositionState& state, int d, int s);

// Splits slot s by the dependency at position d, dropping what the split
// replaces; only after CheckSplit said Proceed and its question was
// accepted.
void DecomposeSchema(DecompositionState& state, int d, int s);

// Empties the pair (pair - 1, pair) and every pair below it, and clears the
// parent's split. `pair` is the right slot of the pair.
void DiscardSubtree(DecompositionState& state, int pair);

// Empties the added and the projection schemas.
void DiscardExtraSchemas(DecompositionState& state);

// Whether the schemas for uncovered dependencies can be added, and what
// must be asked first.
DecompositionCheck CheckUncovered(const DecompositionState& state);

// Adds a schema for each root dependency whose left-hand side no longer
// reaches, under the tree's present schemas, what it reaches in the root;
// only after CheckUncovered said Proceed and its question was accepted.
// Ends Done or NoUncovered.
DecompositionOutcome ApplyUncovered(DecompositionState& state);

// Merges every present schema that lies inside another present schema into
// a projection schema.
DecompositionOutcome AddProjectionSchemas(DecompositionState& state);

// The text of a slot's schema field: its member names in index order, each
// followed by "; ".
std::string SchemaFieldText(const DecompositionState& state, int slot);

// The report block of the schema in `slot`, with where it came from.
SchemaReportBlock ReportSchema(const DecompositionState& state, int slot);

// The schemas a report lists, in slot order: the present ones, or every
// schema made with where it came from.
std::vector<SchemaReportBlock> DecompositionReportBlocks(const DecompositionState& state,
                                                         ReportScope scope);
