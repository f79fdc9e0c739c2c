#pragma once

#include <QStringList>
#include <vector>

#include "DecompositionCheck.h"
#include "ExerciseSession.h"
#include "Schema.h"

// The student's own decomposition: parts are built from picked attributes,
// and the program judges the whole decomposition as a grader would. The
// evaluation always describes the parts as they are: any change to them
// clears it.
class OwnDecompositionExerciseSession final : public ExerciseSession {
  Q_OBJECT

 public:
  using ExerciseSession::ExerciseSession;

  // The attributes offered for the parts, in slot order.
  const std::vector<AttributeIndex>& offered() const { return offered_; }

  // Picks an attribute for the next part; taken only while there is a task.
  void setPicked(AttributeIndex attribute, bool picked);
  AttributeSet picked() const { return picked_; }
  bool canAddPart() const { return hasTask() && !picked_.Empty(); }
  // The picked attributes become a part; nothing is picked afterwards.
  void addPart();
  void removePart(std::size_t part);
  const std::vector<AttributeSet>& parts() const { return parts_; }
  // "A, B": the names of a part's attributes.
  QString partNames(AttributeSet part) const;

  // Judges the parts; a decomposition without parts is told to get one.
  void evaluate();
  // The lines of the evaluation; none before it and after any change.
  QStringList evaluation() const { return evaluation_; }

 signals:
  // The parts changed.
  void partsChanged();
  void evaluationChanged();

 private:
  // Offers the schema's attributes for the parts.
  bool startTask() override;
  void dropAnswer() override;
  // The evaluation no longer holds for the live schema.
  void taskOutOfDate() override;
  bool hasTask() const { return phase() != Phase::NoTask; }
  // After a change to the parts the evaluation no longer holds.
  void partsEdited();
  void setEvaluation(const QStringList& lines);
  QStringList verdictLines(const DecompositionVerdict& verdict) const;
  QStringList chaseTableLines(const DecompositionVerdict& verdict) const;
  // The chase table's columns from `first` up to `end`, with the row numbers.
  QStringList chaseBlockLines(const DecompositionVerdict& verdict, std::size_t first,
                              std::size_t end) const;

  std::vector<AttributeIndex> offered_;
  AttributeSet picked_;
  std::vector<AttributeSet> parts_;
  QStringList evaluation_;
};
