#pragma once

// Students at the decomposition and synthesis steps: each step is taken as
// the windows take it (check, ask, apply), the questions answered from a
// queue and everything the student would be told recorded.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "Decomposition.h"
#include "Keys.h"
#include "SchemaText.h"
#include "Synthesis.h"

// The windows opened on a schema written as in SchemaText.h, with the keys
// the main window finds for it.
inline DecompositionState LoadedDecomposition(const std::string& letters, const std::string& deps) {
  DecompositionState state;
  const AttributeTable names = Names(letters);
  const DependencyList list = Deps(deps);
  LoadDecomposition(state, names, list, ComputeKeys(list, names));
  return state;
}

// The synthesis window opened on `cover`, with the keys of `keysOf`.
inline SynthesisState SynthesisOn(const AttributeTable& names, DependencyList cover,
                                  const DependencyList& keysOf) {
  SynthesisState state;
  LoadSynthesis(state, names, std::move(cover), ComputeKeys(keysOf, names));
  return state;
}

inline SynthesisState LoadedSynthesis(const std::string& letters, const std::string& cover) {
  const DependencyList list = Deps(cover);
  return SynthesisOn(Names(letters), list, list);
}

// The synthesis window as the main window opens it: the dependencies copied
// behind the head and reduced to a minimal cover, the keys found for them.
inline SynthesisState SynthesisFromMainWindow(const std::string& letters, const std::string& deps) {
  const DependencyList list = Deps(deps);
  DependencyList cover = CopyInsertingBehindHead(list);
  ReduceToMinimalCover(cover);
  return SynthesisOn(Names(letters), std::move(cover), list);
}

// A question or the outcome of a step, in the order the student meets them.
using DecompositionShown = std::variant<DecompositionQuestion, DecompositionOutcome>;
using SynthesisShown = std::variant<SynthesisQuestion, SynthesisOutcome>;

// An unanswered question is declined.
struct ScriptedDecompositionDialog final {
  std::deque<bool> answers;
  std::vector<DecompositionShown> shown;

  // Whether the split was made.
  bool Split(DecompositionState& state, int d, int s) {
    if (!MayRun(CheckSplit(state, d, s))) return false;
    DecomposeSchema(state, d, s);
    return true;
  }
  void AddUncovered(DecompositionState& state) {
    if (MayRun(CheckUncovered(state))) Tell(ApplyUncovered(state));
  }
  void AddProjections(DecompositionState& state) { Tell(AddProjectionSchemas(state)); }

 private:
  bool MayRun(const DecompositionCheck& check) {
    if (check.outcome != DecompositionOutcome::Proceed) {
      Tell(check.outcome);
      return false;
    }
    if (check.question == DecompositionQuestion::None) return true;
    shown.emplace_back(check.question);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Tell(DecompositionOutcome outcome) {
    if (outcome != DecompositionOutcome::Done && outcome != DecompositionOutcome::Unchanged)
      shown.emplace_back(outcome);
  }
};

// Splits the schema in `slot` by its dependency `dep`, written as in Deps;
// says whether the split was made.
inline bool Split(DecompositionState& state, int slot, const std::string& dep,
                  ScriptedDecompositionDialog& dialog) {
  int position = 0;
  for (const Dependency& d : state.schemas[slot].dependencies) {
    if (DepsText(DependencyList{d}) == dep) return dialog.Split(state, position, slot);
    ++position;
  }
  ADD_FAILURE() << dep << " not in slot " << slot;
  return false;
}

// E -> D, D -> B, F -> B, F -> A, A + B -> F split by E -> D and then
// slot 2 by F -> A; the uncovered search adds B F (5) and A B F (6).
inline DecompositionState WithAddedSchemas(ScriptedDecompositionDialog& dialog) {
  DecompositionState state = LoadedDecomposition("ABCDEF", "E->D; D->B; F->B; F->A; AB->F");
  EXPECT_TRUE(Split(state, 0, "E->D", dialog));
  EXPECT_TRUE(Split(state, 2, "F->A", dialog));
  dialog.AddUncovered(state);
  return state;
}

// Counts the questions asked with no answer left in the queue; those are
// declined.
struct ScriptedSynthesisDialog final {
  std::vector<SynthesisShown> messages;
  std::deque<bool> answers;
  int unanswered = 0;

  void Split(SynthesisState& state) { Tell(SplitByLeftSides(state)); }
  void Merge(SynthesisState& state) {
    const SynthesisCheck check = CheckMerge(state);
    if (check.outcome != SynthesisOutcome::Proceed) {
      Tell(check.outcome);
      return;
    }
    bool undo = true;
    if (check.question != SynthesisQuestion::None) {
      messages.emplace_back(check.question);
      unanswered += answers.empty() ? 1 : 0;
      undo = !answers.empty() && answers.front();
      if (!answers.empty()) answers.pop_front();
    }
    Tell(MergeEquivalentKeys(state, undo ? EarlierProjections::Undo : EarlierProjections::Keep));
  }
  void Absorb(SynthesisState& state) { Tell(AbsorbProjections(state)); }

 private:
  void Tell(SynthesisOutcome outcome) {
    if (outcome != SynthesisOutcome::Done) messages.emplace_back(outcome);
  }
};
