#include "RedundantAttributesExerciseSession.h"

#include <cstddef>
#include <iterator>

#include "ExerciseExplanations.h"
#include "ModelText.h"
#include "Redundance.h"
#include "SchemaListing.h"

bool RedundantAttributesExerciseSession::startTask() {
  std::size_t k = 0;
  for (const Dependency& d : dependencies()) {
    const AttributeSet redundant = RedundantLhsAttributes(d, dependencies());
    for (int i = 0; i < MaxAttributes && d.lhs[i] != NoAttribute; ++i)
      items_.push_back({k, d.lhs[i], redundant.Has(d.lhs[i]), Mark::Kept});
    ++k;
  }
  return true;
}

void RedundantAttributesExerciseSession::toggle(std::size_t item) {
  if (!canCheck()) return;
  Mark& mark = items_.at(item).mark;
  mark = mark == Mark::Redundant ? Mark::Kept : Mark::Redundant;
}

bool RedundantAttributesExerciseSession::isWrong(std::size_t item) const {
  const Item& i = items_.at(item);
  return (i.mark == Mark::Redundant) != i.redundant;
}

QStringList RedundantAttributesExerciseSession::explainAnswer() const {
  QStringList lines;
  for (std::size_t k = 0; k < items_.size(); ++k) {
    if (!isWrong(k)) continue;
    const Item& item = items_[k];
    const Dependency& d =
        *std::next(dependencies().begin(), static_cast<std::ptrdiff_t>(item.dependency));
    lines << explain::FollowsLines(tr("%1 v %2").arg(ToText(NameOf(names(), item.attribute)),
                                                     ToText(ShowDependency(d, names()))),
                                   LhsWithoutOneCopy(d, item.attribute), d.Rhs(), dependencies(),
                                   nullptr, names());
  }
  return lines;
}

DependencyList RedundantAttributesExerciseSession::reduced() const {
  if (phase() != Phase::Checked) return {};
  DependencyList reduced = dependencies();
  RemoveRedundantAttributes(reduced);
  return reduced;
}

void RedundantAttributesExerciseSession::clearAnswer() {
  for (Item& item : items_)
    item.mark = Mark::Kept;
}

void RedundantAttributesExerciseSession::aimPractice(GeneratorRequest& request) const {
  request.redundantAttributes = 1;
}
