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
  const QString number = QString::number(*label.number);
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

void AppendSchemaReport(const SchemaReportBlock& block, std::vector<std::string>& lines) {
  const auto add = [&lines](const QString& line) { lines.push_back(line.toStdString()); };
  const auto heading = [&lines, &add](const QString& text) {
    lines.emplace_back(" ");
    add(text);
    lines.emplace_back(" ");
  };
  lines.emplace_back(" ");
  // The starting schema of a synthesis has no label; its heading names it.
  if (block.label != NumberLabel{})
    add(QCoreApplication::translate("SchemaReport", "SCHEMA %1:").arg(HeadingLabel(block.label)));
  heading(QCoreApplication::translate("SchemaReport", "ATRIBUTY:"));
  std::string attributes;
  for (const std::string& name : block.attributes)
    attributes += name + " ;";
  lines.push_back(attributes);
  heading(QCoreApplication::translate("SchemaReport", "ZAVISLOSTI:"));
  lines.insert(lines.end(), block.dependencies.begin(), block.dependencies.end());
  heading(QCoreApplication::translate("SchemaReport", "KLICE:"));
  for (const std::string& key : block.keys)
    add(KeyLineText(key));
  heading(QCoreApplication::translate("SchemaReport", "NORMALNI FORMA:"));
  if (const QString normalForm = NormalFormText(block.normalForm); !normalForm.isEmpty())
    add(normalForm);
  lines.emplace_back(" ");
  lines.emplace_back(kReportRule);
  lines.emplace_back(kReportRule);
}

}  // namespace

std::vector<std::string> SchemaReportLines(const std::vector<SchemaReportBlock>& blocks,
                                           ReportScope scope) {
  std::vector<std::string> lines;
  for (const SchemaReportBlock& block : blocks) {
    if (scope == ReportScope::Course) lines.push_back(OriginText(block).toStdString());
    AppendSchemaReport(block, lines);
  }
  return lines;
}

std::vector<std::string> ResultSchemasReport(const DecompositionState& state) {
  return SchemaReportLines(DecompositionReportBlocks(state, ReportScope::Results),
                           ReportScope::Results);
}

std::vector<std::string> DecompositionCourseReport(const DecompositionState& state) {
  return SchemaReportLines(DecompositionReportBlocks(state, ReportScope::Course),
                           ReportScope::Course);
}

std::vector<std::string> SynthesisResultReport(const SynthesisState& state) {
  return SchemaReportLines(SynthesisReportBlocks(state, ReportScope::Results),
                           ReportScope::Results);
}

std::vector<std::string> SynthesisCourseReport(const SynthesisState& state) {
  return SchemaReportLines(SynthesisReportBlocks(state, ReportScope::Course), ReportScope::Course);
}
