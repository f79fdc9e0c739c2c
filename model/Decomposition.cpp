#include "Decomposition.h"

#include <iterator>
#include <utility>

#include "Closure.h"
#include "SchemaListing.h"

namespace {

bool SameRecord(const Dependency& a, const Dependency& b) {
  return a.lhs == b.lhs && a.Rhs() == b.Rhs();
}

bool HoldsRecord(const DependencyList& list, const Dependency& record) {
  for (const Dependency& d : list) {
    if (SameRecord(d, record)) return true;
  }
  return false;
}

bool IsDecomposed(const DecompositionState& state, int slot) {
  return !state.schemas[2 * slot + 1].keys.empty();
}

void EmptySlot(DecompositionState& state, int slot) {
  state.schemas[slot] = SubSchema{};
  state.numberLabel[slot] = NumberLabel{};
}

void NumberNewSchema(DecompositionState& state, int slot) {
  ++state.schemaCounter;
  state.numberLabel[slot] = NumberLabel{state.schemaCounter, {}};
}

// Schemas merged into a projection count as results again once the
// projection is gone.
void RestoreAbsorbedTreeSchemas(DecompositionState& state) {
  for (int slot = 1; slot < TreeSlots; ++slot) {
    if (state.schemas[slot].state == SlotState::Absorbed)
      state.schemas[slot].state = SlotState::Current;
  }
}

// Empties the projection row, giving the schemas merged into it back.
void DiscardProjections(DecompositionState& state) {
  RestoreAbsorbedTreeSchemas(state);
  state.schemas.resize(state.firstProjectionSlot);
  state.numberLabel.resize(state.firstProjectionSlot);
}

void ResetExtraSchemaFlags(DecompositionState& state) {
  state.projectionDone = false;
  state.uncoveredDone = false;
  state.uncoveredPossible = true;
  state.projectionPossible = true;
}

// The question that guards the added and projection schemas from a split.
DecompositionQuestion VanishingSchemasQuestion(const DecompositionState& state) {
  using enum DecompositionQuestion;
  if (!state.projectionDone && !state.uncoveredDone) return None;
  if (state.projectionPossible && state.uncoveredPossible) return SplitDiscardsAddedAndProjections;
  if (state.projectionPossible && !state.uncoveredPossible && state.projectionDone)
    return SplitDiscardsProjections;
  if (!state.projectionPossible && state.uncoveredPossible && state.uncoveredDone)
    return SplitDiscardsAdded;
  return None;
}

// A child's keys: its own, then those keys of the root that lie inside it
// and are not among them yet.
void FindChildKeys(const DecompositionState& state, SubSchema& child) {
  child.keys = FindSchemaKeys(child);
  if (child.keys.empty()) return;
  for (const KeyRecord& rootKey : state.schemas[0].keys) {
    if (!rootKey.member.IsSubsetOf(child.member)) continue;
    bool known = false;
    for (const KeyRecord& k : child.keys) {
      if (k.member == rootKey.member) known = true;
    }
    if (!known) child.keys.push_back(rootKey);
  }
}

// Fills the children of s: the left one with the closure of the dependency's
// left-hand side, the right one with the rest plus that left-hand side.
void SplitSlot(DecompositionState& state, int d, int s) {
  SubSchema& parent = state.schemas[s];
  const AttributeTable& names = state.attributeNames;
  parent.state = SlotState::Replaced;
  for (const Dependency& e : parent.dependencies)
    e.used = 0;
  const Dependency& split = *std::next(parent.dependencies.begin(), d);
  const AttributeIndex splitRhs = split.Rhs();

  state.splitLabel[s] = ShowDependency(split, names);
  state.splitDependency[s] = d;

  const int c1 = 2 * s + 1;
  state.currentSlot = c1;
  SubSchema& left = state.schemas[c1];
  left = SubSchema{};
  left.state = SlotState::Current;
  AttributeSet shownRight;
  for (int i = 0; i < MaxAttributes && split.lhs[i] != NoAttribute; ++i) {
    if (!NameOf(names, split.lhs[i]).empty()) {
      left.member.Add(split.lhs[i]);
      shownRight.Add(split.lhs[i]);
    }
  }
  ComputeClosure(left.member, NoAttribute, parent.dependencies, nullptr);
  left.member.Add(splitRhs);
  shownRight.Add(splitRhs);
  for (const Dependency& e : parent.dependencies)
    e.used = 0;

  left.dependencies.push_back(split);
  split.used = 1;
  for (const Dependency& e : parent.dependencies) {
    if (e.used != 0) continue;
    if (!e.LhsSet().IsSubsetOf(left.member) || !left.member.Has(e.Rhs())) continue;
    left.dependencies.push_back(e);
    e.used = 1;
    if (!shownRight.Has(e.Rhs())) {
      // Separated as the left-hand side is, so that long names do not run
      // together.
      state.splitLabel[s] += " + " + NameOf(names, e.Rhs());
      shownRight.Add(e.Rhs());
    }
  }
  FindChildKeys(state, left);
  ComputeNormalForm(left);
  NumberNewSchema(state, c1);

  const int c2 = 2 * s + 2;
  state.currentSlot = c2;
  SubSchema& right = state.schemas[c2];
  right = SubSchema{};
  right.state = SlotState::Current;
  right.member = (parent.member - left.member) | split.LhsSet();
  for (const Dependency& e : parent.dependencies) {
    if (e.used != 0) continue;
    if (!e.LhsSet().IsSubsetOf(right.member) || !right.member.Has(e.Rhs())) continue;
    right.dependencies.push_back(e);
    e.used = 1;
  }
  CompleteByProjection(right, state.schemas[0].dependencies);
  FindChildKeys(state, right);
  ComputeNormalForm(right);
  NumberNewSchema(state, c2);
}

}  // namespace

int SlotCount(const DecompositionState& state) {
  return static_cast<int>(state.schemas.size());
}

int AddedCount(const DecompositionState& state) {
  return state.firstProjectionSlot - FirstAddedSlot;
}

int ProjectionCount(const DecompositionState& state) {
  return SlotCount(state) - state.firstProjectionSlot;
}

void LoadDecomposition(DecompositionState& state, const AttributeTable& names,
                       const DependencyList& dependencies, const KeyList& keys) {
  state = DecompositionState{};
  state.attributeNames = names;
  SubSchema& root = state.schemas[0];
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (!names[i].empty()) root.member.Add(i);
  }
  root.dependencies = dependencies;
  root.keys = keys;
  root.state = SlotState::Current;
  state.numberLabel[0] = NumberLabel{0, {}};
  // A schema without dependencies is in BCNF.
  if (!root.member.Empty()) ComputeNormalForm(root);
}

DecompositionCheck CheckSplit(const DecompositionState& state, int d, int s) {
  using enum DecompositionOutcome;
  if (s < 0 || s >= SlotCount(state)) return {Unchanged};
  if (2 * s + 1 >= TreeSlots) return {TooDeep};
  // Only a dependency that the schema in the slot holds can split it.
  const SubSchema& schema = state.schemas[s];
  if (schema.state == SlotState::Empty || d < 0 ||
      d >= static_cast<int>(schema.dependencies.size())) {
    return {Unchanged};
  }
  // A new split of a split schema drops the added and projection schemas
  // along with the subtree, so the one question covers them all.
  if (IsDecomposed(state, s)) {
    if (state.splitDependency[s] == d) return {Unchanged};
    return {Proceed, DecompositionQuestion::SplitAgain};
  }
  return {Proceed, VanishingSchemasQuestion(state)};
}

void DecomposeSchema(DecompositionState& state, int d, int s) {
  if (IsDecomposed(state, s)) DiscardSubtree(state, 2 * s + 2);
  RestoreAbsorbedTreeSchemas(state);
  DiscardExtraSchemas(state);
  ResetExtraSchemaFlags(state);
  SplitSlot(state, d, s);
}

void DiscardSubtree(DecompositionState& state, int pair) {
  if (pair < 2 || pair >= TreeSlots || pair % 2 != 0) return;
  EmptySlot(state, pair - 1);
  EmptySlot(state, pair);
  const int parent = pair / 2 - 1;
  state.splitLabel[parent].clear();
  state.splitDependency[parent] = -1;
  if (2 * pair < TreeSlots - 1) {
    DiscardSubtree(state, 2 * pair);
    DiscardSubtree(state, 2 * pair + 2);
  }
}

void DiscardExtraSchemas(DecompositionState& state) {
  state.schemas.resize(FirstAddedSlot);
  state.numberLabel.resize(FirstAddedSlot);
  state.firstProjectionSlot = FirstAddedSlot;
}

DecompositionCheck CheckUncovered(const DecompositionState& state) {
  using enum DecompositionOutcome;
  if (!IsDecomposed(state, 0)) return {NotDecomposed};
  if (!state.uncoveredPossible) return {NoUncovered};
  if (state.uncoveredDone) return {Unchanged};
  if (state.projectionDone && state.projectionPossible)
    return {Proceed, DecompositionQuestion::UncoveredDiscardsProjections};
  return {Proceed};
}

DecompositionOutcome ApplyUncovered(DecompositionState& state) {
  if (state.projectionDone && state.projectionPossible) {
    DiscardProjections(state);
    state.projectionDone = false;
    state.projectionPossible = true;
  }
  if (state.projectionDone && !state.projectionPossible) state.projectionPossible = true;
  state.uncoveredDone = true;
  // The added schemas stand before the projection row, which the search
  // leaves empty.
  DiscardExtraSchemas(state);

  // Every present tree schema counts, in whatever order the tree was split.
  DependencyList covering;
  for (int slot = 1; slot < TreeSlots; ++slot) {
    if (state.schemas[slot].state >= SlotState::Replaced) continue;
    for (const Dependency& d : state.schemas[slot].dependencies)
      InsertBehindHead(covering, d);
  }

  // Collected first: appending to the slots would move the root's list
  // under the search.
  std::vector<SubSchema> added;
  const DependencyList& rootList = state.schemas[0].dependencies;
  for (const Dependency& lost : rootList) {
    const AttributeSet x = lost.LhsSet();
    AttributeSet reached = x;
    ComputeClosure(reached, NoAttribute, rootList, nullptr);
    AttributeSet covered = x;
    ComputeClosure(covered, NoAttribute, covering, nullptr);
    AttributeSet missing = reached - covered;
    if (missing.Empty()) continue;

    SubSchema fresh;
    fresh.member = x;
    fresh.state = SlotState::Current;
    std::vector<bool> taken(rootList.size(), false);
    for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
      if (!missing.Has(a)) continue;
      fresh.member.Add(a);
      Dependency towardsA = lost;
      towardsA.rhs.attribute = a;
      InsertBehindHead(fresh.dependencies, towardsA);
      InsertBehindHead(covering, towardsA);
      std::size_t h = 0;
      for (const Dependency& other : rootList) {
        if (!taken[h] && other.LhsSet().IsSubsetOf(fresh.member) && fresh.member.Has(other.Rhs()) &&
            !HoldsRecord(fresh.dependencies, other)) {
          fresh.dependencies.push_back(other);
          InsertBehindHead(covering, other);
          taken[h] = true;
        }
        ++h;
      }
      covered = x;
      ComputeClosure(covered, NoAttribute, covering, nullptr);
      missing = missing - covered;
    }
    CompleteByProjection(fresh, rootList);
    fresh.keys = FindSchemaKeys(fresh);
    ComputeNormalForm(fresh);

    added.push_back(std::move(fresh));
  }
  for (SubSchema& fresh : added) {
    state.schemas.push_back(std::move(fresh));
    state.numberLabel.emplace_back();
    NumberNewSchema(state, SlotCount(state) - 1);
  }
  state.firstProjectionSlot = SlotCount(state);
  if (added.empty()) {
    state.uncoveredPossible = false;
    return DecompositionOutcome::NoUncovered;
  }
  return DecompositionOutcome::Done;
}

DecompositionOutcome AddProjectionSchemas(DecompositionState& state) {
  using enum DecompositionOutcome;
  if (!IsDecomposed(state, 0)) return NotDecomposed;
  if (!state.projectionPossible) return NoProjection;
  if (state.projectionDone) return Unchanged;
  state.projectionDone = true;

  // The first projection slot is a candidate too: a projection made earlier
  // in this run can be merged into a later one.
  const int lastCandidate = state.firstProjectionSlot;
  for (int i = 1; i <= lastCandidate && i < SlotCount(state); ++i) {
    SubSchema& container = state.schemas[i];
    if (container.state != SlotState::Current) continue;
    SubSchema merged;
    NumberLabel label;
    std::vector<int> contained;
    for (int j = 1; j <= lastCandidate && j < SlotCount(state); ++j) {
      SubSchema& inner = state.schemas[j];
      if (j == i || inner.state != SlotState::Current) continue;
      if (!inner.member.IsSubsetOf(container.member)) continue;
      if (contained.empty()) {
        merged.member = container.member | inner.member;
        merged.dependencies = CopyInsertingBehindHead(container.dependencies);
        const FastClosure ownClosure(container.dependencies);
        for (const Dependency& e : inner.dependencies) {
          if (!ownClosure.Close(e.LhsSet()).Has(e.Rhs())) InsertBehindHead(merged.dependencies, e);
        }
        container.state = SlotState::Absorbed;
        label.joined = {state.numberLabel[i], state.numberLabel[j]};
      } else {
        label.joined.push_back(state.numberLabel[j]);
        merged.member = merged.member | inner.member;
        for (const Dependency& e : inner.dependencies)
          InsertBehindHead(merged.dependencies, e);
      }
      inner.state = SlotState::Absorbed;
      contained.push_back(j);
    }
    if (contained.empty()) continue;

    merged.keys = FindSchemaKeys(merged);
    ComputeNormalForm(merged);
    merged.state = SlotState::Current;
    // May move the slots: nothing of them is held past this point.
    state.schemas.push_back(std::move(merged));
    state.numberLabel.push_back(std::move(label));
  }
  if (ProjectionCount(state) == 0) {
    state.projectionPossible = false;
    return NoProjection;
  }
  return Done;
}

std::string SchemaFieldText(const DecompositionState& state, int slot) {
  if (slot == 0) return ShowAttributeLine(state.attributeNames);
  return ShowAttributeLine(PackedNames(state.attributeNames, state.schemas[slot].member));
}

SchemaReportBlock ReportSchema(const DecompositionState& state, int slot) {
  SchemaOrigin origin = SchemaOrigin::Original;
  if (slot >= state.firstProjectionSlot) {
    origin = SchemaOrigin::DecompositionProjection;
  } else if (slot >= FirstAddedSlot) {
    origin = SchemaOrigin::AddedForUncovered;
  } else if (slot > 0) {
    origin = SchemaOrigin::SplitChild;
  }
  SchemaReportBlock block =
      ReportBlockOf(state.schemas[slot], state.attributeNames, origin, state.numberLabel[slot]);
  if (origin == SchemaOrigin::SplitChild) {
    const int parent = (slot - 1) / 2;
    block.originLabel = state.numberLabel[parent];
    block.originDependency = state.splitLabel[parent];
  } else if (origin == SchemaOrigin::DecompositionProjection) {
    block.originLabel = state.numberLabel[slot];
  }
  return block;
}

std::vector<SchemaReportBlock> DecompositionReportBlocks(const DecompositionState& state,
                                                         ReportScope scope) {
  std::vector<SchemaReportBlock> blocks;
  for (int slot = 0; slot < SlotCount(state); ++slot) {
    const SubSchema& schema = state.schemas[slot];
    if (schema.state == SlotState::Empty) continue;
    if (scope == ReportScope::Results && schema.state != SlotState::Current) continue;
    blocks.push_back(ReportSchema(state, slot));
  }
  return blocks;
}
