#include "RedundantDependenciesSession.h"

#include "DerivationReport.h"
#include "Redundance.h"
#include "SchemaDocument.h"

RedundantDependenciesSession::RedundantDependenciesSession(SchemaDocument& document,
                                                           QObject* parent)
    : RedundancyFindingsSession(document, parent) {}

QStringList RedundantDependenciesSession::derivation(std::size_t row) const {
  const Dependency* record = recordOf(row);
  if (record == nullptr) return {};
  DependencyList others;
  for (const Dependency& d : document().dependencies()) {
    if (&d != record) others.push_back(d);
  }
  AttributeSet rhs;
  rhs.Add(record->Rhs());
  return DerivationReport::Lines(others, names(), record->LhsSet(), rhs);
}

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
