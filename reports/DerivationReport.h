#pragma once

#include <QCoreApplication>
#include <QStringList>

#include "Derivation.h"
#include "Schema.h"

// Why X -> Y follows, line by line by Armstrong's rules in the student's
// language, or, when it does not follow, the closure of X that shows why.
class DerivationReport final {
  Q_DECLARE_TR_FUNCTIONS(DerivationReport)

 public:
  static QStringList Lines(const DependencyList& dependencies, const AttributeTable& names,
                           AttributeSet lhs, AttributeSet rhs);
  static RuleNames TranslatedRuleNames();
};
