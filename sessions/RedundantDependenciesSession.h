#pragma once

#include <QStringList>

#include "RedundancyFindingsSession.h"

// The redundant dependencies of the live schema, one row each in list
// order, each judged against the whole list.
class RedundantDependenciesSession final : public RedundancyFindingsSession {
  Q_OBJECT

 public:
  explicit RedundantDependenciesSession(SchemaDocument& document, QObject* parent = nullptr);

  // Why a row's dependency is redundant: its derivation from the others by
  // Armstrong's rules, one line per step. Empty for a retired row.
  QStringList derivation(std::size_t row) const;

 private:
  void find(const DependencyList& dependencies, const Report& report) const override;
  bool eraseFinding(SchemaDocument& document, const Dependency* record,
                    AttributeIndex attribute) const override;
  bool isRedundant(const DependencyList& dependencies, const Dependency& record,
                   AttributeIndex attribute) const override;
};
