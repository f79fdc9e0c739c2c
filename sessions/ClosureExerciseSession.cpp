#include "ClosureExerciseSession.h"

#include "Closure.h"
#include "DerivationReport.h"
#include "ExerciseExplanations.h"
#include "Explanations.h"

ClosureExerciseSession::ClosureExerciseSession(QObject* parent)
    : AttributeSetExerciseSession(Pick::Set, parent) {}

AttributeSet ClosureExerciseSession::solve(AttributeSet a) const {
  ComputeClosure(a, NoAttribute, dependencies(), nullptr);
  return a;
}

QStringList ClosureExerciseSession::explainAnswer() const {
  QStringList lines{tr("Uzaver %1 krok za krokem:").arg(explain::SetText(fixed(), names()))};
  lines += explain::TraceLines(TraceClosure(fixed(), dependencies()), names());
  // Then the same as a derivation by Armstrong's rules, for what the
  // closure adds to the set.
  const AttributeSet added = solve(fixed()) - fixed();
  if (added.Empty()) return lines;
  return lines + QStringList{QString()} +
         DerivationReport::Lines(dependencies(), names(), fixed(), added);
}
