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
// one copy at most); each deletion is seen by the following tests.
void RemoveRedundantAttributes(DependencyList& dependencies);

// Whether one copy of `attribute` can go from the record's left-hand side:
// the right-hand attribute still follows, under the whole list, from the
// left-hand side without that copy (a second copy keeps the attribute in the
// side). A left-hand side of fewer than two entries keeps what it has, even
// when a dependency without a left-hand side would imply the right-hand
// attribute: a dependency is never reduced to an empty left-hand side.
bool IsRedundantLhsAttribute(const DependencyList& dependencies, const Dependency& record,
                             AttributeIndex attribute);

// The left-hand attributes of `record` of which one copy can go, each judged
// on its own against the whole list. The redundant attributes window and the
// exercise both judge by this, so that they never disagree.
AttributeSet RedundantLhsAttributes(const Dependency& record, const DependencyList& dependencies);

// Whether one record follows from the rest of the list.
bool IsRedundantDependency(const DependencyList& dependencies, const Dependency& record);
