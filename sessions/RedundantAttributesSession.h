#pragma once

#include "RedundancyFindingsSession.h"

// The redundant left-hand attributes of the live schema, one row per
// (attribute, dependency) pair, attributes ascending within a dependency and
// dependencies in list order.
class RedundantAttributesSession final : public RedundancyFindingsSession {
  Q_OBJECT

 public:
  explicit RedundantAttributesSession(SchemaDocument& document, QObject* parent = nullptr);

 private:
  void find(const DependencyList& dependencies, const Report& report) const override;
  bool eraseFinding(SchemaDocument& document, const Dependency* record,
                    AttributeIndex attribute) const override;
  bool isRedundant(const DependencyList& dependencies, const Dependency& record,
                   AttributeIndex attribute) const override;
};
