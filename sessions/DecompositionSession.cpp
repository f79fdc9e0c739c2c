#include "DecompositionSession.h"

#include <QUndoCommand>
#include <utility>

#include "Schema.h"

// A split as a step of the undo stack. It is pushed once the split is made,
// so that it is redone only after an undo.
class DecompositionSession::SplitCommand final : public QUndoCommand {
 public:
  SplitCommand(DecompositionSession& session, DecompositionState before)
      : QUndoCommand(DecompositionSession::tr("dekompozice")),
        session_(session),
        before_(std::move(before)),
        after_(session.state_) {}

  void redo() override {
    if (made_) session_.restore(after_);
    made_ = true;
  }
  void undo() override { session_.restore(before_); }

 private:
  DecompositionSession& session_;
  DecompositionState before_;
  DecompositionState after_;
  bool made_ = false;
};

DecompositionSession::DecompositionSession(QObject* parent) : ToolSession(parent) {}

DecompositionSession::~DecompositionSession() = default;

void DecompositionSession::load(const Schema& schema) {
  markUpToDate();
  LoadDecomposition(state_, schema.attributes, schema.dependencies, schema.keys);
  splits_.clear();
  // The details of an earlier opening belong to a schema that is gone.
  shown_.reset();
  shownNumber_ = NumberLabel{};
  emit schemasChanged();
  emit shownSchemaChanged();
}

void DecompositionSession::close() {
  state_ = DecompositionState{};
  splits_.clear();
  shown_.reset();
  shownNumber_ = NumberLabel{};
  emit schemasChanged();
  emit shownSchemaChanged();
}

void DecompositionSession::showSchema(int slot) {
  if (slot < 0 || slot >= SlotCount(state_) || state_.schemas[slot].state == SlotState::Empty) {
    return;
  }
  shown_ = slot;
  shownNumber_ = state_.numberLabel[slot];
  emit shownSchemaChanged();
}

DecompositionOutcome DecompositionSession::splitShownSchema(int position, const Consent& consent) {
  if (!shown_) return DecompositionOutcome::Unchanged;
  const DecompositionCheck check = CheckSplit(state_, position, *shown_);
  if (check.outcome != DecompositionOutcome::Proceed) return check.outcome;
  if (check.question != DecompositionQuestion::None && !consent(check.question))
    return DecompositionOutcome::Unchanged;
  // The step works on a copy, so that a step that fails half way leaves the
  // tree as it was. It never empties the slot it splits, so the details
  // shown stay valid.
  DecompositionState next = state_;
  DecomposeSchema(next, position, *shown_);
  DecompositionState before = std::exchange(state_, std::move(next));
  splits_.push(new SplitCommand(*this, std::move(before)));
  emit schemasChanged();
  return DecompositionOutcome::Done;
}

DecompositionOutcome DecompositionSession::addUncoveredSchemas(const Consent& consent) {
  splits_.clear();
  const DecompositionCheck check = CheckUncovered(state_);
  if (check.outcome != DecompositionOutcome::Proceed) return check.outcome;
  if (check.question != DecompositionQuestion::None && !consent(check.question))
    return DecompositionOutcome::Unchanged;
  DecompositionState next = state_;
  const DecompositionOutcome outcome = ApplyUncovered(next);
  replaceByStep(std::move(next));
  return outcome;
}

DecompositionOutcome DecompositionSession::addProjectionSchemas() {
  splits_.clear();
  DecompositionState next = state_;
  const DecompositionOutcome outcome = AddProjectionSchemas(next);
  replaceByStep(std::move(next));
  return outcome;
}

void DecompositionSession::replaceByStep(DecompositionState next) {
  state_ = std::move(next);
  emit schemasChanged();
  if (!shown_) return;
  dropVanishedSchema();
  if (!shown_) emit shownSchemaChanged();
}

void DecompositionSession::restore(const DecompositionState& state) {
  state_ = state;
  emit schemasChanged();
  if (!shown_) return;
  // The schema shown may have lost or regained its children.
  dropVanishedSchema();
  emit shownSchemaChanged();
}

void DecompositionSession::dropVanishedSchema() {
  if (*shown_ < SlotCount(state_) && state_.schemas[*shown_].state != SlotState::Empty &&
      state_.numberLabel[*shown_] == shownNumber_) {
    return;
  }
  shown_.reset();
  shownNumber_ = NumberLabel{};
}
