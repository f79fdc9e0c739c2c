#include "ExerciseExplanations.h"

#include <QCoreApplication>

#include "ModelText.h"
#include "SchemaListing.h"

namespace explain {

QString SetText(AttributeSet set, const AttributeTable& names) {
  QStringList parts;
  for (AttributeIndex a = 0; a < MaxAttributes; ++a)
    if (set.Has(a)) parts << ToText(NameOf(names, a));
  return QStringLiteral("{") + parts.join(QStringLiteral(", ")) + QStringLiteral("}");
}

QStringList TraceLines(const std::vector<ClosureStep>& steps, const AttributeTable& names) {
  QStringList lines;
  for (const ClosureStep& step : steps) {
    lines << QCoreApplication::translate("ExerciseExplanations", "  %1 pridava %2")
                 .arg(ToText(ShowDependency(*step.record, names)),
                      ToText(NameOf(names, step.attribute)));
  }
  return lines;
}

QStringList KeyCandidateLines(AttributeSet candidate, AttributeSet members,
                              const DependencyList& dependencies, const AttributeTable& names) {
  const KeyExplanation why = ExplainKeyCandidate(candidate, members, dependencies);
  const QString shown = SetText(candidate, names);
  switch (why.verdict) {
    case KeyVerdict::NotSuperkey:
      return {QCoreApplication::translate("ExerciseExplanations",
                                          "%1 neni klic: jeho uzaver %2 neobsahuje %3")
                  .arg(shown, SetText(why.closure, names), SetText(why.missing, names))};
    case KeyVerdict::NotMinimal:
      return {QCoreApplication::translate("ExerciseExplanations",
                                          "%1 neni klic: uz jeho cast %2 je klic")
                  .arg(shown, SetText(why.smallerKey, names))};
    case KeyVerdict::Key:
      break;
  }
  return {QCoreApplication::translate(
              "ExerciseExplanations",
              "%1 je klic: urcuje vsechny atributy a zadny z nich nelze vynechat")
              .arg(shown)};
}

QStringList FollowsLines(const QString& item, AttributeSet start, AttributeIndex rhs,
                         const DependencyList& dependencies, const Dependency* excluded,
                         const AttributeTable& names) {
  const std::vector<ClosureStep> steps = TraceClosure(start, dependencies, rhs, excluded);
  const AttributeSet reached = Reached(start, steps);
  const QString target = ToText(NameOf(names, rhs));
  if (!reached.Has(rhs)) {
    return {QCoreApplication::translate("ExerciseExplanations",
                                        "%1 neni nadbytecne: uzaver %2 je %3, neobsahuje %4")
                .arg(item, SetText(start, names), SetText(reached, names), target)};
  }
  QStringList lines{QCoreApplication::translate("ExerciseExplanations",
                                                "%1 je nadbytecne: z %2 plyne %3 i bez nej:")
                        .arg(item, SetText(start, names), target)};
  return lines + TraceLines(steps, names);
}

}  // namespace explain
