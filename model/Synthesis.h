#pragma once

// The synthesis of a schema into third normal form, as the synthesis window
// carries it out on a minimal cover: schemas by equal left-hand sides (with a
// key schema where none of them holds a key), unions of schemas with
// equivalent keys, and schemas absorbed by the schemas they lie in; and the
// contents of the two reports.

#include <cstdint>
#include <string>
#include <vector>

#include "Schema.h"
#include "SubSchema.h"

// Slots: 0 is the starting schema, then the left-hand-side split (and the
// key schema), then the unions of schemas with equivalent keys, then the
// projection schemas. Each row holds as many schemas as its step made, so no
// result is ever cut short: a minimal cover of up to 90 records gives at most
// 90 split schemas and a key schema, and the later rows only combine these.
inline constexpr int FirstLeftSideSlot = 1;

// A slot's `state`: Current for a current result schema, Replaced once it is
// split up, merged or absorbed.

struct SynthesisState {
  // Indexed by slot; always holds slot 0.
  std::vector<SubSchema> schemas = std::vector<SubSchema>(1);
  AttributeTable attributeNames;
  // What each slot is called: 1, 2, ... for the split, its own number and
  // the numbers it joins for a union or a projection; nothing for slot 0.
  std::vector<NumberLabel> numberLabel = std::vector<NumberLabel>(1);
  // Where the unions and the projection schemas begin; each row ends where
  // the next begins, the last at the end of `schemas`.
  int firstMergedSlot = FirstLeftSideSlot;
  int firstProjectionSlot = FirstLeftSideSlot;
  // Schemas made by the split (key schema included) and by merging;
  // projection schemas are not counted.
  int schemaCount = 0;
  // Index within the merged slots of the last union, -1 when the merge made
  // none.
  int lastMergedSlot = 0;
  bool projectionsShown = false;
  bool equivalentKeysShown = false;
  bool leftSidesShown = false;
  bool projectionPossible = true;
  bool equivalentKeysPossible = true;
};

// How a step ends, or, from a check, whether the step may run.
enum class SynthesisOutcome : std::uint8_t {
  Proceed,
  Done,
  SplitAlreadyShown,
  SplitFirst,
  NoEquivalentKeys,
  MergeAlreadyShown,
  NoProjection,
  ProjectionAlreadyShown,
};

// The one question of the steps: whether a merge may throw away the
// projection schemas made before it (yes/no).
enum class SynthesisQuestion : std::uint8_t { None, UndoProjections };

struct SynthesisCheck {
  SynthesisOutcome outcome = SynthesisOutcome::Proceed;
  SynthesisQuestion question = SynthesisQuestion::None;
};

// The answer to UndoProjections; a projection that made no schema is undone
// without asking.
enum class EarlierProjections : std::uint8_t { Undo, Keep };

// Removes redundant dependencies, then redundant left-hand attributes, then
// redundant dependencies once more: shortening a left-hand side can make
// another dependency redundant (A + C -> B, B -> C, A -> C leaves A -> C
// redundant once C has gone from the first) or the shortened one itself
// (A + B -> A becomes A -> A; with {} -> C listed, A -> C becomes a second
// {} -> C), and the synthesis needs a minimal cover. Where the first two
// passes already give one, the third removes nothing.
void ReduceToMinimalCover(DependencyList& dependencies);

// Starts afresh: slot 0 takes the cover and the keys, every other slot is
// emptied, counters and flags are reset.
void LoadSynthesis(SynthesisState& state, const AttributeTable& names, DependencyList cover,
                   KeyList keys);

// Empties every slot and the names, as closing the window does.
void ClearSynthesis(SynthesisState& state);

// The split by equal left-hand sides, with a key schema when no split schema
// holds a key of the starting schema. A schema already in BCNF is not split.
SynthesisOutcome SplitByLeftSides(SynthesisState& state);

// Whether the merge may run, and the question to ask first.
SynthesisCheck CheckMerge(const SynthesisState& state);

// Unions of split schemas whose first keys determine each other, kept where
// they reach third normal form; only after CheckMerge said Proceed. Ends
// Done or NoEquivalentKeys.
SynthesisOutcome MergeEquivalentKeys(SynthesisState& state, EarlierProjections projections);

// Absorbs every current schema lying inside another current schema into a
// projection schema.
SynthesisOutcome AbsorbProjections(SynthesisState& state);

// The number of slots, the starting schema's included.
int SlotCount(const SynthesisState& state);
// How many split schemas (the key schema included), unions and projection
// schemas the state holds.
int LeftSideCount(const SynthesisState& state);
int MergedCount(const SynthesisState& state);
int ProjectionCount(const SynthesisState& state);

// The number a slot goes by in the labels: the slot itself for the split,
// the number its label gives for a union or a projection.
int DisplayNumber(const SynthesisState& state, int slot);

// The text of a slot's schema field: its member names in index order, each
// followed by "; ".
std::string SynthesisFieldText(const SynthesisState& state, int slot);

// The schemas a report lists, in slot order: the current results, or every
// schema made with where it came from.
std::vector<SchemaReportBlock> SynthesisReportBlocks(const SynthesisState& state,
                                                     ReportScope scope);
