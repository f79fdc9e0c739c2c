#pragma once

// The synthesis of a schema into third normal form, as the synthesis window
// carries it out on a minimal cover: schemas by equal left-hand sides (with a
// key schema where none of them holds a key), unions of schemas with
// equivalent keys, and schemas absorbed by the schemas they lie in; and the
// two reports.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Schema.h"
#include "SubSchema.h"

// Slots: 0 is the starting schema, 1..12 the left-hand-side split (and the
// key schema), 13..18 the unions of schemas with equivalent keys, 19..24 the
// projection schemas.
inline constexpr int SynthesisSlotCount = 25;
inline constexpr int FirstLeftSideSlot = 1;
inline constexpr int LeftSideSlotCount = 12;
inline constexpr int FirstMergedSlot = 13;
inline constexpr int MergedSlotCount = 6;
inline constexpr int FirstSynthesisProjectionSlot = 19;
inline constexpr int SynthesisProjectionSlotCount = 6;

// `state` of a synthesis slot.
inline constexpr std::uint32_t SynthesisEmpty = 0;
inline constexpr std::uint32_t SynthesisCurrent = 1;   // a current result schema
inline constexpr std::uint32_t SynthesisReplaced = 2;  // split up, merged or absorbed

struct SynthesisState {
  std::array<SubSchema, SynthesisSlotCount> schemas;
  AttributeTable attributeNames;
  // What the number label of each slot reads: "1" .. "12" for the split,
  // "Schema 5: 1+3" for a union or a projection; nothing for slot 0.
  std::array<std::string, SynthesisSlotCount> numberText;
  // Schemas made by the split (key schema included) and by merging;
  // projection schemas are not counted.
  int schemaCount = 0;
  // Index 0..5 within the merged slots of the last union, -1 when the merge
  // made none.
  int lastMergedSlot = 0;
  std::uint8_t projectionsShown = 0;
  std::uint8_t equivalentKeysShown = 0;
  std::uint8_t leftSidesShown = 0;
  std::uint8_t projectionPossible = 1;
  std::uint8_t equivalentKeysPossible = 1;
};

// The messages and the one question of the steps; the window shows them as
// message boxes.
class SynthesisDialog {
 public:
  virtual ~SynthesisDialog() = default;
  virtual void Inform(const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& text) = 0;
};

// Removes redundant dependencies, then redundant left-hand attributes, then
// redundant dependencies once more: shortening a left-hand side can make
// another dependency redundant (A + C -> B, B -> C, A -> C leaves A -> C
// redundant once C has gone from the first), and the synthesis needs a
// minimal cover. Where the first two passes already give one, the third
// removes nothing. Returns 1.
int ReduceToMinimalCover(DependencyList& dependencies);

// Starts afresh: slot 0 takes the cover and the keys, every other slot is
// emptied, counters and flags are reset.
void LoadSynthesis(SynthesisState& state, const AttributeTable& names, DependencyList cover,
                   KeyList keys);

// Empties every slot and the names, as closing the window does.
void ClearSynthesis(SynthesisState& state);

// The split by equal left-hand sides, with a key schema when no split schema
// holds a key of the starting schema. A schema already in BCNF is not split.
void SplitByLeftSides(SynthesisState& state, SynthesisDialog& dialog);

// Unions of split schemas whose first keys determine each other, kept where
// they reach third normal form. Undoes an earlier projection step unless the
// student declines.
void MergeEquivalentKeys(SynthesisState& state, SynthesisDialog& dialog);

// Absorbs every current schema lying inside another current schema into a
// projection schema.
void AbsorbProjections(SynthesisState& state, SynthesisDialog& dialog);

// The number a slot goes by in the labels: the slot itself for the split,
// the number its label gives for a union or a projection.
int DisplayNumber(const SynthesisState& state, int slot);

// The text of a slot's schema field: its member names in index order, each
// followed by "; ".
std::string SynthesisFieldText(const SynthesisState& state, int slot);

// Appends the report block of one schema.
void AppendSchemaReport(const SynthesisState& state, int slot, std::vector<std::string>& lines);

// The current result schemas, in slot order.
std::vector<std::string> SynthesisResultReport(const SynthesisState& state);

// Every schema made, each after a line that says where it came from.
std::vector<std::string> SynthesisCourseReport(const SynthesisState& state);
