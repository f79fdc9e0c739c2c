#include "RedundantDependenciesSession.h"

#include "Redundance.h"
#include "SchemaDocument.h"

RedundantDependenciesSession::RedundantDependenciesSession(SchemaDocument& document,
                                                           QObject* parent)
    : RedundancyFindingsSession(document, parent) {}

void RedundantDependenciesSession::find(const DependencyList& dependencies,
                                        const Report& report) const {
  HasRedundantDependency(dependencies,
                         [&report](const Dependency& record) { report(NoAttribute, record); });
}

bool RedundantDependenciesSession::eraseFinding(SchemaDocument& document, const Dependency* record,
                                                AttributeIndex) const {
  // The list keeps its order; the first record's successor may become the
  // head.
  return document.EraseDependency(record);
}

bool RedundantDependenciesSession::isRedundant(const DependencyList& dependencies,
                                               const Dependency& record, AttributeIndex) const {
  return IsRedundantDependency(dependencies, record);
}
