#include "Synthesis.h"

#include <iterator>
#include <utility>

#include "Closure.h"
#include "Keys.h"
#include "Nf.h"
#include "Redundance.h"
#include "SchemaListing.h"

namespace {

AttributeSet FullClosure(AttributeSet start, const DependencyList& dependencies) {
  ComputeClosure(start, NoAttribute, dependencies, nullptr);
  return start;
}

// The first key of a slot; a slot with members always has one.
AttributeSet FirstKey(const SubSchema& record) {
  return record.keys.empty() ? AttributeSet{} : record.keys.front().member;
}

bool HasKey(const KeyList& keys, AttributeSet key) {
  for (const KeyRecord& k : keys) {
    if (k.member == key) return true;
  }
  return false;
}

// Whether the list holds a record with the same left-hand slots and the same
// right-hand attribute.
bool HoldsEqual(const DependencyList& list, const Dependency& d) {
  for (const Dependency& e : list) {
    if (e.lhs == d.lhs && e.Rhs() == d.Rhs()) return true;
  }
  return false;
}

// Gives the split schemas absorbed by the projection back and removes the
// projection slots.
void UndoProjections(SynthesisState& state) {
  for (int s = FirstLeftSideSlot; s < state.firstMergedSlot; ++s) {
    if (state.schemas[s].state == SlotState::Replaced) state.schemas[s].state = SlotState::Current;
  }
  state.schemas.resize(static_cast<std::size_t>(state.firstProjectionSlot));
  state.numberLabel.resize(static_cast<std::size_t>(state.firstProjectionSlot));
  state.projectionsShown = false;
  state.projectionPossible = true;
}

// Keys and normal form from the dependencies that hold in the schema: its
// own list completed by what the cover implies inside it. A schema's own
// list may hide keys (a schema with the attributes of the whole schema shows
// only its own group of the cover) or suggest supersets of keys. The keys
// already listed keep their order where they are keys; the list itself stays
// as shown.
void ClassifyByCover(SubSchema& record, const DependencyList& cover) {
  SubSchema holding;
  holding.member = record.member;
  holding.dependencies = record.dependencies;
  CompleteByProjection(holding, cover);
  const KeyList found = FindSchemaKeys(holding);
  for (const KeyRecord& k : record.keys) {
    if (HasKey(found, k.member) && !HasKey(holding.keys, k.member)) holding.keys.push_back(k);
  }
  for (const KeyRecord& k : found) {
    if (!HasKey(holding.keys, k.member)) holding.keys.push_back(k);
  }
  ComputeNormalForm(holding);
  record.keys = std::move(holding.keys);
  record.normalForm = holding.normalForm;
  record.belowSecondNormalForm = holding.belowSecondNormalForm;
}

// Appends a slot at the end of the rows.
void AppendSlot(SynthesisState& state, SubSchema schema, NumberLabel label) {
  state.schemas.push_back(std::move(schema));
  state.numberLabel.push_back(std::move(label));
}

// The union of two schemas with every cover dependency inside it, completed
// by what the cover implies there, with its keys and normal form.
SubSchema UnionSchema(const SubSchema& a, const SubSchema& b, const DependencyList& cover) {
  SubSchema scratch;
  scratch.member = a.member | b.member;
  for (const Dependency& d : cover)
    d.used = 0;
  for (const Dependency& d : cover) {
    if (d.used == 0 && d.LhsSet().IsSubsetOf(scratch.member) && scratch.member.Has(d.Rhs())) {
      scratch.dependencies.push_back(d);
      d.used = 1;
    }
  }
  CompleteByProjection(scratch, cover);
  scratch.keys = FindSchemaKeys(scratch);
  ComputeNormalForm(scratch);
  return scratch;
}

}  // namespace

void ReduceToMinimalCover(DependencyList& dependencies) {
  RemoveRedundantDependencies(dependencies);
  RemoveRedundantAttributes(dependencies);
  RemoveRedundantDependencies(dependencies);
}

void ClearSynthesis(SynthesisState& state) {
  state = SynthesisState{};
}

void LoadSynthesis(SynthesisState& state, const AttributeTable& names, DependencyList cover,
                   KeyList keys) {
  ClearSynthesis(state);
  state.attributeNames = names;

  SubSchema& start = state.schemas[0];
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (!names[i].empty()) start.member.Add(i);
  }
  start.dependencies = std::move(cover);
  start.keys = std::move(keys);
  start.state = names[0].empty() ? SlotState::Empty : SlotState::Current;
  // A cover without dependencies (the schema's records all trivial, or none)
  // leaves a schema in BCNF.
  if (start.state == SlotState::Current) ComputeNormalForm(start);
}

SynthesisOutcome SplitByLeftSides(SynthesisState& state) {
  if (state.leftSidesShown) return SynthesisOutcome::SplitAlreadyShown;
  state.leftSidesShown = true;
  if (state.schemas[0].normalForm == NormalFormClass::Bcnf) return SynthesisOutcome::Done;
  state.schemas[0].state = SlotState::Replaced;
  // The slots grow below; the cover is copied so that no reference into
  // them is kept.
  const DependencyList cover = state.schemas[0].dependencies;
  const KeyList startKeys = state.schemas[0].keys;

  for (const Dependency& d : cover)
    d.used = 0;
  for (auto it = cover.begin(); it != cover.end(); ++it) {
    const Dependency& d = *it;
    if (d.used != 0) continue;
    SubSchema group;
    group.member = d.LhsSet();
    group.member.Add(d.Rhs());
    group.dependencies.push_back(d);
    for (auto e = std::next(it); e != cover.end(); ++e) {
      // The same indexes in the same order: A + B and B + A are two sides.
      if (e->used != 0 || e->lhs != d.lhs) continue;
      e->used = 1;
      group.member.Add(e->Rhs());
      InsertBehindHead(group.dependencies, *e);
    }
    d.used = 1;
    group.keys = FindSchemaKeys(group);
    AppendSlot(state, std::move(group), NumberLabel{++state.schemaCount, {}});
  }

  // A key of the whole schema lying in a split schema is a key of it too,
  // even where that schema's own dependencies do not show it.
  const int splitCount = state.schemaCount;
  bool anyKeyFound = false;
  const KeyRecord* candidate = nullptr;
  for (const KeyRecord& key : startKeys) {
    bool found = false;
    for (int s = 1; s <= splitCount; ++s) {
      SubSchema& slot = state.schemas[s];
      if (!key.member.IsSubsetOf(slot.member)) continue;
      if (HasKey(slot.keys, key.member)) {
        found = true;
      } else if (!slot.keys.empty()) {
        slot.keys.push_back(key);
        found = true;
      }
    }
    if (found) {
      anyKeyFound = true;
    } else if (candidate == nullptr) {
      candidate = &key;
    }
  }
  if (!anyKeyFound && candidate != nullptr) {
    SubSchema keySchema;
    keySchema.member = candidate->member;
    keySchema.keys.push_back(*candidate);
    AppendSlot(state, std::move(keySchema), NumberLabel{++state.schemaCount, {}});
  }

  for (int s = 1; s <= state.schemaCount; ++s) {
    ClassifyByCover(state.schemas[s], cover);
    state.schemas[s].state = SlotState::Current;
  }
  state.firstMergedSlot = SlotCount(state);
  state.firstProjectionSlot = SlotCount(state);
  return SynthesisOutcome::Done;
}

SynthesisCheck CheckMerge(const SynthesisState& state) {
  using enum SynthesisOutcome;
  if (!state.leftSidesShown) return {SplitFirst};
  if (!state.equivalentKeysPossible) return {NoEquivalentKeys};
  if (state.equivalentKeysShown) return {MergeAlreadyShown};
  // Only a projection that made schemas is worth a question.
  if (state.projectionsShown && state.projectionPossible)
    return {Proceed, SynthesisQuestion::UndoProjections};
  return {Proceed};
}

SynthesisOutcome MergeEquivalentKeys(SynthesisState& state, EarlierProjections projections) {
  if (state.projectionsShown &&
      (!state.projectionPossible || projections == EarlierProjections::Undo)) {
    UndoProjections(state);
  }

  state.equivalentKeysShown = true;
  const DependencyList& cover = state.schemas[0].dependencies;
  const int count = state.schemaCount;
  // The unions go behind the split schemas and any projection schemas the
  // student kept; they are made first and put into the slots at the end.
  std::vector<SubSchema> unions;
  std::vector<NumberLabel> labels;
  int merged = 0;
  int last = -1;
  for (int i = 1; i <= count; ++i) {
    if (state.schemas[i].state == SlotState::Replaced) continue;
    const AttributeSet keyI = FirstKey(state.schemas[i]);
    const AttributeSet closureI = FullClosure(keyI, cover);
    // A slot merged as i goes on pairing with the later slots, and a slot
    // merged as j may be merged again.
    for (int j = i + 1; j <= count; ++j) {
      const AttributeSet keyJ = FirstKey(state.schemas[j]);
      if (!keyJ.IsSubsetOf(closureI) || !keyI.IsSubsetOf(FullClosure(keyJ, cover))) continue;
      SubSchema scratch = UnionSchema(state.schemas[i], state.schemas[j], cover);
      if (scratch.normalForm != NormalFormClass::ThirdOnly &&
          scratch.normalForm != NormalFormClass::Bcnf)
        continue;
      ++merged;
      ++last;
      scratch.state = SlotState::Current;
      unions.push_back(std::move(scratch));
      state.schemas[i].state = SlotState::Replaced;
      state.schemas[j].state = SlotState::Replaced;
      labels.push_back(NumberLabel{count + last + 1, {NumberLabel{i, {}}, NumberLabel{j, {}}}});
    }
  }
  const auto at = static_cast<std::ptrdiff_t>(state.firstProjectionSlot);
  state.schemas.insert(state.schemas.begin() + at, std::make_move_iterator(unions.begin()),
                       std::make_move_iterator(unions.end()));
  state.numberLabel.insert(state.numberLabel.begin() + at, labels.begin(), labels.end());
  state.firstProjectionSlot += merged;
  if (merged == 0) state.equivalentKeysPossible = false;
  state.schemaCount = count + merged;
  state.lastMergedSlot = last;
  return merged == 0 ? SynthesisOutcome::NoEquivalentKeys : SynthesisOutcome::Done;
}

SynthesisOutcome AbsorbProjections(SynthesisState& state) {
  using enum SynthesisOutcome;
  if (!state.leftSidesShown) return SplitFirst;
  if (!state.projectionPossible) return NoProjection;
  if (state.projectionsShown) return ProjectionAlreadyShown;
  state.projectionsShown = true;
  int p = -1;
  // Every current schema takes part, the projection schemas made in this
  // step included, so that none is left inside another; each absorption
  // turns at least two current schemas into one, so the walk ends.
  for (int i = 1; i < SlotCount(state); ++i) {
    if (state.schemas[i].state != SlotState::Current) continue;
    bool found = false;
    NumberLabel label;
    SubSchema scratch;
    for (int j = 1; j < SlotCount(state); ++j) {
      SubSchema& container = state.schemas[i];
      SubSchema& inner = state.schemas[j];
      if (j == i || inner.state != SlotState::Current || !inner.member.IsSubsetOf(container.member))
        continue;
      if (!found) {
        scratch.member = container.member | inner.member;
        for (const Dependency& d : container.dependencies)
          InsertBehindHead(scratch.dependencies, d);
        for (const Dependency& d : inner.dependencies) {
          if (HoldsEqual(scratch.dependencies, d)) continue;
          if (FullClosure(d.LhsSet(), container.dependencies).Has(d.Rhs())) continue;
          InsertBehindHead(scratch.dependencies, d);
        }
        container.state = SlotState::Replaced;
        inner.state = SlotState::Replaced;
        found = true;
        label = NumberLabel{
            state.schemaCount + p + 2,
            {NumberLabel{DisplayNumber(state, i), {}}, NumberLabel{DisplayNumber(state, j), {}}}};
      } else {
        label.joined.push_back(NumberLabel{DisplayNumber(state, j), {}});
        inner.state = SlotState::Replaced;
        scratch.member = scratch.member | inner.member;
        for (const Dependency& d : inner.dependencies) {
          if (!HoldsEqual(scratch.dependencies, d)) InsertBehindHead(scratch.dependencies, d);
        }
      }
    }
    if (!found) continue;
    scratch.keys = FindSchemaKeys(scratch);
    ClassifyByCover(scratch, state.schemas[0].dependencies);
    scratch.state = SlotState::Current;
    ++p;
    AppendSlot(state, std::move(scratch), std::move(label));
  }
  if (p == -1) {
    state.projectionPossible = false;
    return NoProjection;
  }
  return Done;
}

int SlotCount(const SynthesisState& state) {
  return static_cast<int>(state.schemas.size());
}

int LeftSideCount(const SynthesisState& state) {
  return state.firstMergedSlot - FirstLeftSideSlot;
}

int MergedCount(const SynthesisState& state) {
  return state.firstProjectionSlot - state.firstMergedSlot;
}

int ProjectionCount(const SynthesisState& state) {
  return SlotCount(state) - state.firstProjectionSlot;
}

int DisplayNumber(const SynthesisState& state, int slot) {
  if (slot < state.firstMergedSlot) return slot;
  if (slot < state.firstProjectionSlot) {
    return state.schemaCount - state.lastMergedSlot + slot - state.firstMergedSlot;
  }
  // Projection schemas are numbered after all others, in slot order, as
  // their labels say.
  return state.schemaCount + slot - state.firstProjectionSlot + 1;
}

std::string SynthesisFieldText(const SynthesisState& state, int slot) {
  return ShowAttributeLine(PackedNames(state.attributeNames, state.schemas[slot].member));
}

std::vector<SchemaReportBlock> SynthesisReportBlocks(const SynthesisState& state,
                                                     ReportScope scope) {
  std::vector<SchemaReportBlock> blocks;
  for (int s = 0; s < SlotCount(state); ++s) {
    const SubSchema& schema = state.schemas[s];
    if (schema.state == SlotState::Empty) continue;
    if (scope == ReportScope::Results && schema.state != SlotState::Current) continue;
    SchemaOrigin origin = SchemaOrigin::SynthesisProjection;
    if (s == 0) {
      origin = SchemaOrigin::Original;
    } else if (s < state.firstMergedSlot) {
      origin = SchemaOrigin::LeftSideSplit;
    } else if (s < state.firstProjectionSlot) {
      origin = SchemaOrigin::EquivalentKeyUnion;
    }
    blocks.push_back(ReportBlockOf(schema, state.attributeNames, origin, state.numberLabel[s]));
  }
  return blocks;
}
