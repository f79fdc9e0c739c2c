#include "DerivationReport.h"

#include "ModelText.h"

namespace {

QString SetText(AttributeSet set, const AttributeTable& names) {
  QStringList parts;
  for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
    if (set.Has(a)) parts << ToText(names[a]);
  }
  return QStringLiteral("{") + parts.join(QStringLiteral(", ")) + QStringLiteral("}");
}

}  // namespace

RuleNames DerivationReport::TranslatedRuleNames() {
  RuleNames names;
  const auto set = [&names](DerivationRule rule, const QString& text) {
    names[static_cast<std::size_t>(rule)] = FromText(text);
  };
  set(DerivationRule::Given, tr("dano"));
  set(DerivationRule::Reflexivity, tr("reflexivita"));
  set(DerivationRule::Augmentation, tr("rozsireni"));
  set(DerivationRule::Transitivity, tr("tranzitivita"));
  set(DerivationRule::Union, tr("sjednoceni"));
  set(DerivationRule::Decomposition, tr("rozklad"));
  return names;
}

QStringList DerivationReport::Lines(const DependencyList& dependencies, const AttributeTable& names,
                                    AttributeSet lhs, AttributeSet rhs) {
  const DerivationResult result = DeriveDependency(dependencies, lhs, rhs);
  const QString shown = ToText(ShowSetDependency(lhs, rhs, names));
  if (!result.follows) {
    return {tr("%1 neplyne ze zavislosti: uzaver %2 je %3, chybi v nem %4")
                .arg(shown, SetText(lhs, names), SetText(result.closure, names),
                     SetText(rhs - result.closure, names))};
  }
  QStringList lines{tr("Odvozeni %1 podle Armstrongovych pravidel:").arg(shown)};
  const RuleNames ruleNames = TranslatedRuleNames();
  for (const DerivationLine& line : result.lines)
    lines << ToText(ShowDerivationLine(line, names, ruleNames));
  return lines;
}
