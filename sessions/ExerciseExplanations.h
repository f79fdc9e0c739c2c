#pragma once

// Why an exercise's answer is right or wrong, in the schema's names: the
// lines under a checked exercise.

#include <QString>
#include <QStringList>
#include <vector>

#include "Explanations.h"
#include "Schema.h"

namespace explain {

// "{A, B}" in the schema's names.
QString SetText(AttributeSet set, const AttributeTable& names);
// One line per step: "A + B -> C pridava C".
QStringList TraceLines(const std::vector<ClosureStep>& steps, const AttributeTable& names);
// Why the candidate of the keys exercise is or is not a key.
QStringList KeyCandidateLines(AttributeSet candidate, AttributeSet members,
                              const DependencyList& dependencies, const AttributeTable& names);
// Why `rhs` does or does not follow from `start` under the dependencies
// (without `excluded`): the steps that reach it, or the closure without it.
QStringList FollowsLines(const QString& item, AttributeSet start, AttributeIndex rhs,
                         const DependencyList& dependencies, const Dependency* excluded,
                         const AttributeTable& names);

}  // namespace explain
