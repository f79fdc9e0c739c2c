#include "SynthesisSession.h"

#include "MinimalCover.h"
#include "SchemaReport.h"

void SynthesisSession::load(const Schema& schema) {
  SynthesisInput input = PrepareSynthesisInput(schema.dependencies, schema.keys);
  LoadSynthesis(state_, schema.attributes, std::move(input.cover), std::move(input.keys));
  shownSlot = 0;
  markUpToDate();
  emit slotsChanged();
}

void SynthesisSession::clear() {
  ClearSynthesis(state_);
  shownSlot = 0;
  emit slotsChanged();
}

SynthesisOutcome SynthesisSession::changed(SynthesisOutcome outcome) {
  emit slotsChanged();
  return outcome;
}

SynthesisOutcome SynthesisSession::splitByLeftSides() {
  return changed(SplitByLeftSides(state_));
}

SynthesisCheck SynthesisSession::checkMerge() const {
  return CheckMerge(state_);
}

SynthesisOutcome SynthesisSession::mergeEquivalentKeys(EarlierProjections projections) {
  if (const SynthesisCheck check = CheckMerge(state_); check.outcome != SynthesisOutcome::Proceed)
    return check.outcome;
  return changed(MergeEquivalentKeys(state_, projections));
}

SynthesisOutcome SynthesisSession::absorbProjections() {
  return changed(AbsorbProjections(state_));
}

bool SynthesisSession::showSchema(int slot) {
  if (slot < 0 || slot >= SlotCount(state_)) return false;
  shownSlot = slot;
  return true;
}

Report SynthesisSession::courseReport() const {
  return SynthesisCourseReport(state_);
}

Report SynthesisSession::resultReport() const {
  return SynthesisResultReport(state_);
}
