#include "MaximalSetExerciseSession.h"

#include "ExerciseExplanations.h"
#include "Explanations.h"
#include "MaxSets.h"
#include "ModelText.h"
#include "SchemaListing.h"

namespace {

// The one attribute picked as A.
AttributeIndex Only(AttributeSet a) {
  for (AttributeIndex k = 0; k < MaxAttributes; ++k) {
    if (a.Has(k)) return k;
  }
  return NoAttribute;
}

}  // namespace

MaximalSetExerciseSession::MaximalSetExerciseSession(QObject* parent)
    : AttributeSetExerciseSession(Pick::OneAttribute, parent) {}

AttributeSet MaximalSetExerciseSession::solve(AttributeSet a) const {
  return UnionOfMaximalSets(dependencies(), names(), Only(a));
}

QStringList MaximalSetExerciseSession::explainAnswer() const {
  const AttributeIndex a = Only(fixed());
  const QString chosen = ToText(NameOf(names(), a));
  QStringList why;
  for (AttributeIndex b : offered()) {
    if (!isWrong(b)) continue;
    const QString name = ToText(NameOf(names(), b));
    if (solution().Has(b)) {
      AttributeSet reached = AttributeSet::Of({b});
      reached = Reached(reached, TraceClosure(reached, dependencies()));
      why << tr("%1 patri do nektere maximalni mnoziny: jeho uzaver %2 neobsahuje %3")
                 .arg(name, explain::SetText(reached, names()), chosen);
    } else {
      why << tr("%1 do maximalni mnoziny nepatri: urcuje %2:").arg(name, chosen)
          << explain::TraceLines(TraceClosure(AttributeSet::Of({b}), dependencies(), a), names());
    }
  }
  return why;
}
