#include "RedundantAttributesSession.h"

#include "Redundance.h"
#include "SchemaDocument.h"

RedundantAttributesSession::RedundantAttributesSession(SchemaDocument& document, QObject* parent)
    : RedundancyFindingsSession(document, parent) {}

void RedundantAttributesSession::find(const DependencyList& dependencies,
                                      const Report& report) const {
  HasRedundantAttribute(dependencies, report);
}

bool RedundantAttributesSession::eraseFinding(SchemaDocument& document, const Dependency* record,
                                              AttributeIndex attribute) const {
  return document.EraseLhsAttribute(record, attribute);
}

bool RedundantAttributesSession::isRedundant(const DependencyList& dependencies,
                                             const Dependency& record,
                                             AttributeIndex attribute) const {
  return IsRedundantLhsAttribute(dependencies, record, attribute);
}
