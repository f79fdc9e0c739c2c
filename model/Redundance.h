#pragma once

#include <functional>

#include "Schema.h"

using DependencyReport = std::function<void(const Dependency& record)>;
using AttributeReport = std::function<void(AttributeIndex attribute, const Dependency& record)>;

// Whether some record follows from the others. With a report every
// redundant record is handed to it in list order, each judged against the
// whole list. The list is not changed (apart from the `used` marks).
bool HasRedundantDependency(const DependencyList& dependencies,
                            const DependencyReport& report = {});

// Whether some left-hand attribute of some record can go. With a report
// every finding is handed to it, attributes ascending within a record and
// records in list order. An attribute standing twice in a left-hand side is
// reported (one copy can go).
bool HasRedundantAttribute(const DependencyList& dependencies, const AttributeReport& report = {});

// Deletes redundant records one after another; later records are judged
// against the list without the ones already deleted.
void RemoveRedundantDependencies(DependencyList& dependencies);

// Deletes redundant left-hand attributes, trying them in ascending order and
// each until it is no longer redundant (so an attribute standing twice keeps
// one copy at most); each deletion is seen by the following tests. A record
// may lose its whole left-hand side: its right-hand attribute is then
// constant, and the record may have become redundant or equal to another.
void RemoveRedundantAttributes(DependencyList& dependencies);

// The left-hand side of `record` without one copy of `attribute`: the set
// the redundant attributes exercise traces its explanation from, so that the
// explanation argues what the verdict below decides.
AttributeSet LhsWithoutOneCopy(const Dependency& record, AttributeIndex attribute);

// Whether one copy of `attribute` can go from the record's left-hand side:
// the right-hand attribute still follows, under the whole list, from
// LhsWithoutOneCopy (a second copy keeps the attribute in the side). This
// holds for the only attribute of a side too when the right-hand attribute
// follows from the empty set.
bool IsRedundantLhsAttribute(const DependencyList& dependencies, const Dependency& record,
                             AttributeIndex attribute);

// The left-hand attributes of `record` of which one copy can go, each judged
// on its own against the whole list. The redundant attributes window and the
// exercise both judge by this, so that they never disagree.
AttributeSet RedundantLhsAttributes(const Dependency& record, const DependencyList& dependencies);

// Whether one record follows from the rest of the list.
bool IsRedundantDependency(const DependencyList& dependencies, const Dependency& record);
