#include "ClosureExerciseSession.h"

#include "Closure.h"
#include "ExerciseExplanations.h"
#include "Explanations.h"

ClosureExerciseSession::ClosureExerciseSession(QObject* parent)
    : AttributeSetExerciseSession(Pick::Set, parent) {}

AttributeSet ClosureExerciseSession::solve(AttributeSet a) const {
  ComputeClosure(a, NoAttribute, dependencies(), nullptr);
  return a;
}

QStringList ClosureExerciseSession::explain() const {
  return QStringList{tr("Uzaver %1 krok za krokem:").arg(explain::SetText(fixed(), names()))} +
         explain::TraceLines(TraceClosure(fixed(), dependencies()), names());
}
