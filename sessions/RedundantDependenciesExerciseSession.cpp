#include "RedundantDependenciesExerciseSession.h"

#include "ExerciseExplanations.h"
#include "ModelText.h"
#include "Redundance.h"
#include "SchemaListing.h"

bool RedundantDependenciesExerciseSession::startTask() {
  for (const Dependency& d : dependencies())
    rows_.push_back({false, IsRedundantDependency(dependencies(), d)});
  return true;
}

void RedundantDependenciesExerciseSession::setTicked(std::size_t row, bool ticked) {
  if (canCheck()) rows_.at(row).ticked = ticked;
}

QStringList RedundantDependenciesExerciseSession::explainAnswer() const {
  QStringList lines;
  std::size_t k = 0;
  for (const Dependency& d : dependencies()) {
    if (isWrong(k)) {
      lines << explain::FollowsLines(tr("Zavislost %1").arg(ToText(ShowDependency(d, names()))),
                                     d.LhsSet(), d.Rhs(), dependencies(), &d, names());
    }
    ++k;
  }
  return lines;
}

void RedundantDependenciesExerciseSession::clearAnswer() {
  for (Row& row : rows_)
    row.ticked = false;
}

void RedundantDependenciesExerciseSession::aimPractice(GeneratorRequest& request) const {
  request.redundantDependencies = 1;
}
