#include "SchemaReport.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "Reports.h"

QString NumberLabelText(const NumberLabel& label) {
  QString number = label.number ? QString::number(*label.number) : QString();
  if (label.joined.empty()) return number;
  QStringList parts;
  for (const NumberLabel& part : label.joined)
    parts << NumberLabelText(part);
  const QString joined = parts.join(QLatin1Char('+'));
  if (!label.number) {
    return QCoreApplication::translate("SchemaReport", "Schema %1",
                                       "a schema that joins the schemas numbered so, such as 3+5")
        .arg(joined);
  }
  return QCoreApplication::translate(
             "SchemaReport", "Schema %1: %2",
             "a schema numbered %1 that joins the schemas numbered so, such as 1+3")
      .arg(number, joined);
}

namespace {

// The numbers a label joins, flattened: a projection that took in another
// projection joins all of their schemas.
QString JoinedNumbers(const NumberLabel& label) {
  if (label.joined.empty()) return label.number ? QString::number(*label.number) : QString();
  QStringList parts;
  for (const NumberLabel& part : label.joined)
    parts << JoinedNumbers(part);
  return parts.join(QLatin1Char('+'));
}

// A report heading's label: "3", "3+5" for a projection, "30 (24+14)" for a
// numbered schema made of others.
QString HeadingLabel(const NumberLabel& label) {
  if (!label.number) return JoinedNumbers(label);
  QString number = QString::number(*label.number);
  if (label.joined.empty()) return number;
  return QStringLiteral("%1 (%2)").arg(number, JoinedNumbers(label));
}

// Two of these close every schema of a report.
constexpr const char* kReportRule = "------------------------------------------";

QString OriginText(const SchemaReportBlock& block) {
  switch (block.origin) {
    case SchemaOrigin::Original:
      return QCoreApplication::translate("SchemaReport", "PUVODNI SCHEMA:");
    case SchemaOrigin::SplitChild:
      return QCoreApplication::translate(
                 "SchemaReport",
                 "Nasledujici schema vzniklo dekompozici schematu %1 podle zavislosti %2")
          .arg(NumberLabelText(block.originLabel), QString::fromStdString(block.originDependency));
    case SchemaOrigin::AddedForUncovered:
      return QCoreApplication::translate(
          "SchemaReport", "Nasledujici schema vzniklo pridanim chybejicich zavislosti.");
    case SchemaOrigin::DecompositionProjection:
      return QCoreApplication::translate("SchemaReport",
                                         "Nasledujici schema vzniklo projekci schemat (%1 ).")
          .arg(NumberLabelText(block.originLabel));
    case SchemaOrigin::LeftSideSplit:
      return QCoreApplication::translate(
          "SchemaReport", "Nasledujici schema vzniklo rozlozenim podle levych stran");
    case SchemaOrigin::EquivalentKeyUnion:
      return QCoreApplication::translate(
          "SchemaReport", "Nasledujici schema vzniklo sloucenim schemat s ekvivalentnimi klici.");
    case SchemaOrigin::SynthesisProjection:
      return QCoreApplication::translate("SchemaReport", "Nasledujici schema vzniklo projekci.");
  }
  return {};
}

// Empty for a schema whose normal form is not computed: the report then
// leaves the line out.
QString NormalFormText(ReportedNormalForm normalForm) {
  switch (normalForm) {
    case ReportedNormalForm::None:
      break;
    case ReportedNormalForm::First:
      return QCoreApplication::translate("SchemaReport", " Schema je v prvni normalni forme");
    case ReportedNormalForm::Second:
      return QCoreApplication::translate("SchemaReport", " Schema je ve druhe normalni forme");
    case ReportedNormalForm::Third:
      return QCoreApplication::translate("SchemaReport", " Schema je ve treti normalni forme");
    case ReportedNormalForm::Bcnf:
      return QCoreApplication::translate("SchemaReport", " Schema je v BCNF");
  }
  return {};
}

void AppendSchemaReport(const SchemaReportBlock& block, Report& report) {
  using Kind = ReportPart::Kind;
  const auto gap = [&report] { report.push_back(TextPart(Kind::Gap, {" "})); };
  const auto heading = [&report, &gap](Kind kind, const QString& text) {
    report.push_back(TextPart(kind, {text.toStdString()}));
    gap();
  };
  gap();
  // The starting schema of a synthesis has no label; its heading names it.
  if (block.label != NumberLabel{}) {
    report.push_back(
        TextPart(Kind::Heading, {QCoreApplication::translate("SchemaReport", "SCHEMA %1:")
                                     .arg(HeadingLabel(block.label))
                                     .toStdString()}));
  }
  gap();
  heading(Kind::Subheading, QCoreApplication::translate("SchemaReport", "ATRIBUTY:"));
  std::string attributes;
  for (const std::string& name : block.attributes)
    attributes += name + " ;";
  ReportPart names = TextPart(Kind::Names, {attributes});
  names.names = block.attributes;
  report.push_back(std::move(names));
  gap();
  heading(Kind::Subheading, QCoreApplication::translate("SchemaReport", "ZAVISLOSTI:"));
  ReportPart dependencies = TextPart(Kind::Dependencies, block.dependencies);
  dependencies.dependencies = block.namedDependencies;
  report.push_back(std::move(dependencies));
  gap();
  heading(Kind::Subheading, QCoreApplication::translate("SchemaReport", "KLICE:"));
  ReportPart keys = TextPart(Kind::Keys, {});
  for (const std::string& key : block.keys)
    keys.text.push_back(KeyLineText(key).toStdString());
  for (const std::vector<std::string>& key : block.namedKeys)
    keys.sets.push_back({key});
  report.push_back(std::move(keys));
  gap();
  heading(Kind::Subheading, QCoreApplication::translate("SchemaReport", "NORMALNI FORMA:"));
  if (const QString normalForm = NormalFormText(block.normalForm); !normalForm.isEmpty())
    report.push_back(TextPart(Kind::Lines, {normalForm.toStdString()}));
  gap();
  report.push_back(TextPart(Kind::Rule, {kReportRule, kReportRule}));
}

}  // namespace

Report SchemaReport(const std::vector<SchemaReportBlock>& blocks, ReportScope scope) {
  Report report;
  for (const SchemaReportBlock& block : blocks) {
    if (scope == ReportScope::Course)
      report.push_back(TextPart(ReportPart::Kind::Lines, {OriginText(block).toStdString()}));
    AppendSchemaReport(block, report);
  }
  return report;
}

Report ResultSchemasReport(const DecompositionState& state) {
  return SchemaReport(DecompositionReportBlocks(state, ReportScope::Results), ReportScope::Results);
}

Report DecompositionCourseReport(const DecompositionState& state) {
  return SchemaReport(DecompositionReportBlocks(state, ReportScope::Course), ReportScope::Course);
}

Report SynthesisResultReport(const SynthesisState& state) {
  return SchemaReport(SynthesisReportBlocks(state, ReportScope::Results), ReportScope::Results);
}

Report SynthesisCourseReport(const SynthesisState& state) {
  return SchemaReport(SynthesisReportBlocks(state, ReportScope::Course), ReportScope::Course);
}
