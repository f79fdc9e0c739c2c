#include "Synthesis.h"

#include <initializer_list>
#include <iterator>

#include "Closure.h"
#include "Data_statement_2.h"
#include "Keys.h"
#include "Nf.h"
#include "Redundance.h"

namespace {

const char* const kSplitShown = "Rozlozeni schematu podle levych stran je jiz zobrazeno";
const char* const kTooMany = "Uz je vytvoreno prilis mnoho schemat";
const char* const kSplitFirst = "Nejprve rozlozte schema podle levych stran";
const char* const kNoEquivalentKeys = " Zadna schemata nemaji ekvivalentni klice";
const char* const kMergeShown = "Sjednoceni schemat podle ekvivalentnich klicu je jiz zobrazeno";
const char* const kProjectionsVanish =
    "Schemata vytvorena projekci zmizi. Lze je ziskat znovu tlacitkem 'Projekce'.";
const char* const kNoProjection = "Zadna schemata nejsou projekci";
const char* const kProjectionShown = " Zobrazeni projekce je jiz zobrazeno";

// The merge gives up before a slot whose count of schemas would reach this.
constexpr int kMergeSchemaLimit = 15;
// Slots 1..19 take part in the projection, the first projection slot
// included.
constexpr int kLastProjectionCandidate = FirstSynthesisProjectionSlot;

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

void EmptySlot(SynthesisState& state, int slot) {
  state.schemas[slot] = SubSchema{};
}

// Gives the split schemas absorbed by the projection back and empties the
// projection slots.
void UndoProjections(SynthesisState& state) {
  for (int s = FirstLeftSideSlot; s < FirstLeftSideSlot + LeftSideSlotCount; ++s) {
    if (state.schemas[s].state == SynthesisReplaced) state.schemas[s].state = SynthesisCurrent;
  }
  for (int s = FirstSynthesisProjectionSlot; s < SynthesisSlotCount; ++s) {
    EmptySlot(state, s);
    state.numberText[s].clear();
  }
  state.projectionsShown = 0;
  state.projectionPossible = 1;
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

void AddLines(std::vector<std::string>& lines, std::initializer_list<const char*> add) {
  for (const char* line : add)
    lines.emplace_back(line);
}

void AddLines(std::vector<std::string>& lines, const std::vector<std::string>& add) {
  lines.insert(lines.end(), add.begin(), add.end());
}

}  // namespace

int ReduceToMinimalCover(DependencyList& dependencies) {
  RemoveRedundantDependencies(dependencies);
  RemoveRedundantAttributes(dependencies);
  RemoveRedundantDependencies(dependencies);
  return 1;
}

void ClearSynthesis(SynthesisState& state) {
  state = SynthesisState{};
}

void LoadSynthesis(SynthesisState& state, const AttributeTable& names, DependencyList cover,
                   KeyList keys) {
  ClearSynthesis(state);
  state.attributeNames = names;
  for (int s = FirstLeftSideSlot; s < FirstLeftSideSlot + LeftSideSlotCount; ++s)
    state.numberText[s] = std::to_string(s);

  SubSchema& start = state.schemas[0];
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (!names[i].empty()) start.member.Add(i);
  }
  start.dependencies = std::move(cover);
  start.keys = std::move(keys);
  start.state = names[0].empty() ? SynthesisEmpty : SynthesisCurrent;
  // Without dependencies the starting schema keeps "not computed".
  if (!start.dependencies.empty()) ComputeNormalForm(start);
}

void SplitByLeftSides(SynthesisState& state, SynthesisDialog& dialog) {
  if (state.leftSidesShown != 0) {
    dialog.Inform(kSplitShown);
    return;
  }
  state.leftSidesShown = 1;
  SubSchema& start = state.schemas[0];
  if (start.normalForm == NfBCNF) return;
  start.state = SynthesisReplaced;

  // The window has fields for twelve split schemas, the key schema
  // included; what does not fit is left out, and the student is told once.
  bool tooMany = false;
  for (const Dependency& d : start.dependencies)
    d.used = 0;
  for (auto it = start.dependencies.begin(); it != start.dependencies.end(); ++it) {
    const Dependency& d = *it;
    if (d.used != 0) continue;
    if (state.schemaCount == LeftSideSlotCount) {
      tooMany = true;
      break;
    }
    SubSchema& slot = state.schemas[++state.schemaCount];
    slot.member = d.LhsSet();
    slot.member.Add(d.Rhs());
    slot.dependencies.push_back(d);
    for (auto e = std::next(it); e != start.dependencies.end(); ++e) {
      // The same indexes in the same order: A + B and B + A are two sides.
      if (e->used != 0 || e->lhs != d.lhs) continue;
      e->used = 1;
      slot.member.Add(e->Rhs());
      InsertBehindHead(slot.dependencies, *e);
    }
    d.used = 1;
  }

  const int splitCount = state.schemaCount;
  for (int s = 1; s <= splitCount; ++s)
    state.schemas[s].keys = FindSchemaKeys(state.schemas[s]);

  // A key of the whole schema lying in a split schema is a key of it too,
  // even where that schema's own dependencies do not show it.
  bool anyKeyFound = false;
  const KeyRecord* candidate = nullptr;
  for (const KeyRecord& key : start.keys) {
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
    if (state.schemaCount == LeftSideSlotCount) {
      tooMany = true;
    } else {
      SubSchema& slot = state.schemas[++state.schemaCount];
      slot.member = candidate->member;
      slot.keys.push_back(*candidate);
    }
  }

  for (int s = 1; s <= state.schemaCount; ++s) {
    ComputeNormalForm(state.schemas[s]);
    state.schemas[s].state = SynthesisCurrent;
  }
  if (tooMany) dialog.Inform(kTooMany);
}

void MergeEquivalentKeys(SynthesisState& state, SynthesisDialog& dialog) {
  if (state.leftSidesShown == 0) {
    dialog.Inform(kSplitFirst);
    return;
  }
  if (state.equivalentKeysPossible == 0) {
    dialog.Inform(kNoEquivalentKeys);
    return;
  }
  if (state.equivalentKeysShown != 0) {
    dialog.Inform(kMergeShown);
    return;
  }
  if (state.projectionsShown != 0) {
    // Only a projection that made schemas is worth a question.
    if (state.projectionPossible == 0 || dialog.AskYesNo(kProjectionsVanish)) {
      UndoProjections(state);
    }
  }

  state.equivalentKeysShown = 1;
  const DependencyList& cover = state.schemas[0].dependencies;
  const int count = state.schemaCount;
  int merged = 0;
  int last = -1;
  bool full = false;
  for (int i = 1; i <= count && !full; ++i) {
    if (count + merged + 1 >= kMergeSchemaLimit) {
      dialog.Inform(kTooMany);
      break;
    }
    if (state.schemas[i].state == SynthesisReplaced) continue;
    const AttributeSet keyI = FirstKey(state.schemas[i]);
    const AttributeSet closureI = FullClosure(keyI, cover);
    // A slot merged as i goes on pairing with the later slots, and a slot
    // merged as j may be merged again.
    for (int j = i + 1; j <= count; ++j) {
      const AttributeSet keyJ = FirstKey(state.schemas[j]);
      if (!keyJ.IsSubsetOf(closureI) || !keyI.IsSubsetOf(FullClosure(keyJ, cover))) continue;
      SubSchema scratch = UnionSchema(state.schemas[i], state.schemas[j], cover);
      if (scratch.normalForm != Nf3NFOnly && scratch.normalForm != NfBCNF) continue;
      // Six fields hold the unions; a further one is not made.
      if (last + 1 == MergedSlotCount) {
        dialog.Inform(kTooMany);
        full = true;
        break;
      }
      ++merged;
      ++last;
      const int slot = FirstMergedSlot + last;
      scratch.state = SynthesisCurrent;
      state.schemas[slot] = std::move(scratch);
      state.schemas[i].state = SynthesisReplaced;
      state.schemas[j].state = SynthesisReplaced;
      state.numberText[slot] = "Schema " + std::to_string(count + last + 1) + ": " +
                               std::to_string(i) + "+" + std::to_string(j);
    }
  }
  if (merged == 0) {
    dialog.Inform(kNoEquivalentKeys);
    state.equivalentKeysPossible = 0;
  }
  state.schemaCount = count + merged;
  state.lastMergedSlot = last;
}

void AbsorbProjections(SynthesisState& state, SynthesisDialog& dialog) {
  if (state.leftSidesShown == 0) {
    dialog.Inform(kSplitFirst);
    return;
  }
  if (state.projectionPossible == 0) {
    dialog.Inform(kNoProjection);
    return;
  }
  if (state.projectionsShown != 0) {
    dialog.Inform(kProjectionShown);
    return;
  }
  state.projectionsShown = 1;
  int p = -1;
  bool full = false;
  for (int i = 1; i <= kLastProjectionCandidate && !full; ++i) {
    SubSchema& container = state.schemas[i];
    if (container.state != SynthesisCurrent) continue;
    bool found = false;
    std::string text;
    SubSchema scratch;
    for (int j = 1; j <= kLastProjectionCandidate; ++j) {
      SubSchema& inner = state.schemas[j];
      if (j == i || inner.state != SynthesisCurrent || !inner.member.IsSubsetOf(container.member))
        continue;
      if (!found) {
        // Six fields hold the projections; the schemas of a further one
        // stay as they are.
        if (p + 1 == SynthesisProjectionSlotCount) {
          dialog.Inform(kTooMany);
          full = true;
          break;
        }
        scratch.member = container.member | inner.member;
        for (const Dependency& d : container.dependencies)
          InsertBehindHead(scratch.dependencies, d);
        for (const Dependency& d : inner.dependencies) {
          if (HoldsEqual(scratch.dependencies, d)) continue;
          if (FullClosure(d.LhsSet(), container.dependencies).Has(d.Rhs())) continue;
          InsertBehindHead(scratch.dependencies, d);
        }
        container.state = SynthesisReplaced;
        inner.state = SynthesisReplaced;
        found = true;
        text = "Schema " + std::to_string(state.schemaCount + p + 2) + ": " +
               std::to_string(DisplayNumber(state, i)) + "+" +
               std::to_string(DisplayNumber(state, j));
      } else {
        text += '+';
        text += std::to_string(DisplayNumber(state, j));
        inner.state = SynthesisReplaced;
        scratch.member = scratch.member | inner.member;
        for (const Dependency& d : inner.dependencies) {
          if (!HoldsEqual(scratch.dependencies, d)) InsertBehindHead(scratch.dependencies, d);
        }
      }
    }
    if (!found) continue;
    scratch.keys = FindSchemaKeys(scratch);
    ComputeNormalForm(scratch);
    scratch.state = SynthesisCurrent;
    ++p;
    state.schemas[FirstSynthesisProjectionSlot + p] = std::move(scratch);
    state.numberText[FirstSynthesisProjectionSlot + p] = text;
  }
  if (p == -1) {
    dialog.Inform(kNoProjection);
    state.projectionPossible = 0;
  }
}

int DisplayNumber(const SynthesisState& state, int slot) {
  if (slot < FirstMergedSlot) return slot;
  if (slot < FirstSynthesisProjectionSlot) {
    return state.schemaCount - state.lastMergedSlot + slot - FirstMergedSlot;
  }
  // Projection schemas are numbered after all others, in slot order, as
  // their labels say.
  return state.schemaCount + slot - FirstSynthesisProjectionSlot + 1;
}

std::string SynthesisFieldText(const SynthesisState& state, int slot) {
  return ShowAttributeLine(PackedNames(state.attributeNames, state.schemas[slot].member));
}

void AppendSchemaReport(const SynthesisState& state, int slot, std::vector<std::string>& lines) {
  const SubSchema& record = state.schemas[slot];
  lines.emplace_back(" ");
  lines.push_back("SCHEMA " + (slot > 0 ? state.numberText[slot] : std::string()) + ":");
  AddLines(lines, {" ", "ATRIBUTY:", " "});
  std::string members;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (record.member.Has(i)) members += state.attributeNames[i] + " ;";
  }
  lines.push_back(members);
  AddLines(lines, {" ", "ZAVISLOSTI:", " "});
  AddLines(lines, ListDependencyLines(record.dependencies, state.attributeNames));
  AddLines(lines, {" ", "KLICE:", " "});
  AddLines(lines, ListKeyLines(record.keys, state.attributeNames));
  AddLines(lines, {" ", "NORMALNI FORMA:", " "});
  switch (record.normalForm) {
    case NfViolates3NF:
      lines.emplace_back(" Schema je ve druhe normalni forme");
      break;
    case Nf3NFOnly:
      lines.emplace_back(" Schema je ve treti normalni forme");
      break;
    case NfBCNF:
      lines.emplace_back(" Schema je v BCNF");
      break;
    default:
      break;
  }
  const std::string rule(42, '-');
  lines.emplace_back(" ");
  lines.push_back(rule);
  lines.push_back(rule);
}

std::vector<std::string> SynthesisResultReport(const SynthesisState& state) {
  std::vector<std::string> lines;
  for (int s = 0; s < SynthesisSlotCount; ++s) {
    if (state.schemas[s].state == SynthesisCurrent) AppendSchemaReport(state, s, lines);
  }
  return lines;
}

std::vector<std::string> SynthesisCourseReport(const SynthesisState& state) {
  std::vector<std::string> lines;
  for (int s = 0; s < SynthesisSlotCount; ++s) {
    if (state.schemas[s].state == SynthesisEmpty) continue;
    if (s == 0) {
      lines.emplace_back("PUVODNI SCHEMA:");
    } else if (s < FirstMergedSlot) {
      lines.emplace_back("Nasledujici schema vzniklo rozlozenim podle levych stran");
    } else if (s < FirstSynthesisProjectionSlot) {
      lines.emplace_back("Nasledujici schema vzniklo sloucenim schemat s ekvivalentnimi klici.");
    } else {
      lines.emplace_back("Nasledujici schema vzniklo projekci.");
    }
    AppendSchemaReport(state, s, lines);
  }
  return lines;
}
