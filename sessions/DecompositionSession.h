#pragma once

#include <QUndoStack>
#include <functional>
#include <optional>
#include <string>

#include "Decomposition.h"
#include "ToolSession.h"

struct Schema;

// The decomposition of a schema into a tree of sub-schemas, step by step, on
// the session's copy of the schema: the splits, which can be undone, the
// schemas added for uncovered dependencies and the projection schemas, and
// the schema whose details the student looks at.
class DecompositionSession final : public ToolSession {
  Q_OBJECT

 public:
  // Asked before a step throws away schemas made earlier; whether the
  // student lets it.
  using Consent = std::function<bool(DecompositionQuestion)>;

  explicit DecompositionSession(QObject* parent = nullptr);
  ~DecompositionSession() override;

  // Takes a copy of the schema as the root and starts afresh.
  void load(const Schema& schema);
  // Empties every slot, as closing the window does.
  void close();

  const DecompositionState& state() const { return state_; }
  // Whether there is a schema at all, to decompose or to report on.
  bool hasSchema() const { return !state_.attributeNames[0].empty(); }

  // The splits made since the tree was last changed in any other way.
  QUndoStack& splits() { return splits_; }

  // The slot whose details are shown: none until the student chooses one,
  // and none again once its schema is gone.
  std::optional<int> shownSlot() const { return shown_; }
  // Shows the details of the schema in `slot`; an empty slot has none.
  void showSchema(int slot);

  // Splits the shown schema by the dependency at `position` of its list.
  // Ends Done, with what stopped the split, or Unchanged when the split was
  // declined or there is nothing to split.
  DecompositionOutcome splitShownSchema(int position, const Consent& consent);
  // Adds a schema for every dependency the tree's schemas lose.
  DecompositionOutcome addUncoveredSchemas(const Consent& consent);
  // Merges the schemas lying inside others into projection schemas.
  DecompositionOutcome addProjectionSchemas();

 signals:
  // Slots were filled, emptied, split or restored.
  void schemasChanged();
  // The details show another schema, the same one afresh, or none.
  void shownSchemaChanged();

 private:
  class SplitCommand;

  // Shows a state reached before, as undoing or redoing a split does.
  void restore(const DecompositionState& state);
  // A step other than a split: it makes the splits before it final, and the
  // details of a schema it removed go.
  void replaceByStep(DecompositionState next);
  // Forgets the shown schema when its slot is empty or holds another one.
  void dropVanishedSchema();

  DecompositionState state_;
  QUndoStack splits_;
  std::optional<int> shown_;
  // The number of the shown schema, which tells it from a later one in the
  // same slot.
  NumberLabel shownNumber_;
};
