#pragma once

#include <string>
#include <vector>

#include "ReportFormats.h"
#include "Schema.h"
#include "Synthesis.h"
#include "ToolSession.h"

// The synthesis of a copy of the schema into third normal form, step by
// step from a minimal cover of its dependencies: the split by equal
// left-hand sides, the unions of schemas with equivalent keys and the
// projection schemas; and the schema whose details are shown.
class SynthesisSession final : public ToolSession {
  Q_OBJECT

 public:
  using ToolSession::ToolSession;

  // Starts afresh on a minimal cover of the schema's dependencies, with its
  // keys as last computed.
  void load(const Schema& schema);
  // Empties every slot.
  void clear();

  const SynthesisState& state() const { return state_; }
  // Whether there is a schema to print.
  bool hasSchema() const { return !state_.attributeNames[0].empty(); }

  SynthesisOutcome splitByLeftSides();
  // Whether the merge may run, and the question to ask first.
  SynthesisCheck checkMerge() const;
  // Merges where checkMerge allows it, treating the earlier projection
  // schemas as the answer to its question says; otherwise ends as the check
  // did.
  SynthesisOutcome mergeEquivalentKeys(EarlierProjections projections);
  SynthesisOutcome absorbProjections();

  // Chooses the schema whose details are shown; false for no slot.
  bool showSchema(int slot);
  const SubSchema& shownSchema() const { return state_.schemas[shownSlot]; }
  const NumberLabel& shownLabel() const { return state_.numberLabel[shownSlot]; }
  int shownSlotIndex() const { return shownSlot; }

  Report courseReport() const;
  Report resultReport() const;

 signals:
  // Schemas were made, replaced or dropped.
  void slotsChanged();

 private:
  SynthesisOutcome changed(SynthesisOutcome outcome);

  SynthesisState state_;
  int shownSlot = 0;
};
