#include "Reports.h"

#include <QFileInfo>
#include <QIODevice>
#include <algorithm>
#include <variant>

#include "DerivationReport.h"
#include "Keys.h"
#include "MaxSets.h"
#include "MinimalCover.h"
#include "ModelText.h"
#include "NotationText.h"
#include "SchemaFile.h"
#include "SchemaListing.h"
#include "SchemaNotation.h"
#include "SchemaReport.h"
#include "Synthesis.h"
#include "WholeFileWrite.h"

namespace {

// Where the synthesis window shows a message box, the batch mode writes the
// message down.
void Note(SynthesisOutcome outcome, QStringList& notes) {
  if (const QString text = SynthesisOutcomeText(outcome); !text.isEmpty()) notes << text;
}

ReportPart DependenciesPart(const DependencyList& dependencies, const AttributeTable& names) {
  ReportPart part =
      TextPart(ReportPart::Kind::Dependencies, ListDependencyLines(dependencies, names));
  part.dependencies = NameDependencies(dependencies, names);
  return part;
}

Report MaxSetsReport(const Schema& schema) {
  const AttributeTable& names = schema.attributes;
  const DependencyList& dependencies = schema.dependencies;
  const int n = CountNonEmptyNames(names);
  const MaxSetFamily maxSets = ComputeMaxSets(dependencies, n);
  ReportPart family = TextPart(ReportPart::Kind::MaxSets, MaxFamilyLines(maxSets, names, n));
  for (AttributeIndex a = 0; a < static_cast<AttributeIndex>(n); ++a) {
    ReportSetRow& row = family.rows.emplace_back();
    row.name = NameOf(names, a);
    for (const SetNode& set : maxSets[a])
      row.sets.push_back({NameSet(set.member, names), set.count});
  }
  std::vector<std::string> lines;
  if (IsCondensed(maxSets))
    lines.push_back(MaxFamilyCondensedNote(SetsStoodFor(maxSets)).toStdString());
  // The MAX family holds every attribute's maximal sets already.
  for (AttributeIndex a = 0; a < static_cast<AttributeIndex>(n); ++a) {
    lines.push_back(PrimeVerdictText(QString::fromStdString(NameOf(names, a)),
                                     IsPrimeAttribute(maxSets[a], a, dependencies, n))
                        .toStdString());
  }
  if (n > 0) lines.push_back(BcnfVerdictText(IsInBcnf(maxSets, dependencies, n)).toStdString());
  return {std::move(family), TextPart(ReportPart::Kind::Lines, std::move(lines))};
}

Report SynthesisReport(const Schema& schema, ReportScope scope, QStringList& notes) {
  SynthesisInput input = PrepareSynthesisInput(schema.dependencies,
                                               ComputeKeys(schema.dependencies, schema.attributes));
  SynthesisState state;
  LoadSynthesis(state, schema.attributes, std::move(input.cover), std::move(input.keys));
  Note(SplitByLeftSides(state), notes);
  // The one question (whether a merge may undo the projection) does not
  // arise when the steps run in their own order; were it asked, it is
  // written down and declined.
  const SynthesisCheck merge = CheckMerge(state);
  if (merge.outcome == SynthesisOutcome::Proceed) {
    if (merge.question != SynthesisQuestion::None) notes << SynthesisQuestionText(merge.question);
    Note(MergeEquivalentKeys(state, EarlierProjections::Keep), notes);
  } else {
    Note(merge.outcome, notes);
  }
  Note(AbsorbProjections(state), notes);
  return scope == ReportScope::Results ? SynthesisResultReport(state)
                                       : SynthesisCourseReport(state);
}

}  // namespace

QStringList ReportKindNames() {
  return {QStringLiteral("listing"),   QStringLiteral("keys"),
          QStringLiteral("cover"),     QStringLiteral("maxsets"),
          QStringLiteral("synthesis"), QStringLiteral("synthesis-course")};
}

std::optional<ReportKind> ReportKindNamed(const QString& name) {
  const qsizetype index = ReportKindNames().indexOf(name);
  if (index < 0) return std::nullopt;
  return static_cast<ReportKind>(index);
}

Report BuildReport(ReportKind kind, const Schema& schema, QStringList& notes) {
  const AttributeTable& names = schema.attributes;
  switch (kind) {
    case ReportKind::Listing: {
      ReportPart attributes = TextPart(ReportPart::Kind::Names, ListAttributeLines(names));
      attributes.names = attributes.text;
      return {std::move(attributes), TextPart(ReportPart::Kind::Rule, {AttributeSeparator}),
              DependenciesPart(schema.dependencies, names),
              TextPart(ReportPart::Kind::Rule, {DependencySeparator})};
    }
    case ReportKind::Keys: {
      const KeyList keys = ComputeKeys(schema.dependencies, names);
      ReportPart part = TextPart(ReportPart::Kind::Keys, {});
      for (const QString& line : KeyLineTexts(keys, names))
        part.text.push_back(line.toStdString());
      for (const KeyRecord& key : keys)
        part.sets.push_back({NameSet(key.member, names)});
      return {std::move(part)};
    }
    case ReportKind::Cover:
      return {DependenciesPart(PrepareSynthesisInput(schema.dependencies, {}).cover, names)};
    case ReportKind::MaxSets:
      return MaxSetsReport(schema);
    case ReportKind::Synthesis:
      return SynthesisReport(schema, ReportScope::Results, notes);
    case ReportKind::SynthesisCourse:
      return SynthesisReport(schema, ReportScope::Course, notes);
  }
  return {};
}

QString ProgramPrefix() {
  return QStringLiteral("schemario: ");
}

namespace {

QString OutputFault(const QTextStream& out) {
  return out.device() != nullptr ? out.device()->errorString() : QString();
}

// The schema in the file, or nothing with the reason on `err`.
std::optional<Schema> ReadSchema(const QString& path, QTextStream& err) {
  SchemaReadResult read = SchemaFile::Read(path);
  if (const auto* failure = std::get_if<SchemaReadFailure>(&read)) {
    err << ProgramPrefix() << path << ": " << failure->reason << '\n';
    return std::nullopt;
  }
  OpenedSchema& opened = std::get<OpenedSchema>(read);
  Schema schema;
  schema.SetAttributes(opened.names);
  schema.ReplaceDependencies(std::move(opened.dependencies));
  return schema;
}

// Checked once everything is written: a report that could not be written is
// no report.
int Finish(QTextStream& out, QTextStream& err, int status) {
  out.flush();
  if (out.status() == QTextStream::Ok) return status;
  err << ProgramPrefix()
      << QCoreApplication::translate("Reports", "standardni vystup nejde zapsat: %1")
             .arg(OutputFault(out))
      << '\n';
  return 1;
}

bool ReportOne(ReportKind kind, ReportFormat format, const QString& path, QTextStream& out,
               QTextStream& err) {
  const std::optional<Schema> read = ReadSchema(path, err);
  if (!read) return false;
  const Schema& schema = *read;
  QStringList notes;
  out << FormatReport(BuildReport(kind, schema, notes), format);
  for (const QString& note : notes)
    err << ProgramPrefix() << path << ": " << note.trimmed() << '\n';
  return true;
}

}  // namespace

int RunReport(ReportKind kind, ReportFormat format, const QStringList& paths, QTextStream& out,
              QTextStream& err) {
  int status = 0;
  for (qsizetype i = 0; i < paths.size(); ++i) {
    if (paths.size() > 1) out << (i > 0 ? "\n" : "") << "==> " << paths[i] << " <==\n";
    if (!ReportOne(kind, format, paths[i], out, err)) status = 2;
  }
  return Finish(out, err, status);
}

int RunDerivation(const QString& path, const QString& dependency, QTextStream& out,
                  QTextStream& err) {
  const std::optional<Schema> schema = ReadSchema(path, err);
  if (!schema) return 2;
  const std::variant<DependencyList, NotationRefusal> read =
      ReadDependencyLines(FromText(dependency), schema->attributes);
  if (const auto* refusal = std::get_if<NotationRefusal>(&read)) {
    err << ProgramPrefix() << NotationText::RefusalText(*refusal) << '\n';
    return 2;
  }
  const DependencyList& records = std::get<DependencyList>(read);
  const bool one = !records.empty() &&
                   std::all_of(records.begin(), records.end(), [&records](const Dependency& d) {
                     return d.LhsSet() == records.front().LhsSet();
                   });
  if (!one) {
    err << ProgramPrefix()
        << QCoreApplication::translate("Reports", "zadejte jednu zavislost X -> Y") << '\n';
    return 2;
  }
  AttributeSet rhs;
  for (const Dependency& d : records)
    rhs.Add(d.Rhs());
  for (const QString& line : DerivationReport::Lines(schema->dependencies, schema->attributes,
                                                     records.front().LhsSet(), rhs)) {
    out << line << '\n';
  }
  return Finish(out, err, 0);
}

int RunConversion(const QString& from, const QString& to, QTextStream& err) {
  const auto tell = [&err](const QString& text, int status) {
    err << ProgramPrefix() << text << '\n';
    return status;
  };
  if (!SchemaFile::HasSchemaSuffix(to) && !SchemaFile::HasTextSuffix(to)) {
    return tell(QCoreApplication::translate(
                    "Reports", "%1: cil musi mit priponu .dbc (schema) nebo .txt, .fd (text)")
                    .arg(to),
                2);
  }
  const std::optional<Schema> schema = ReadSchema(from, err);
  if (!schema) return 2;
  QByteArray bytes;
  if (SchemaFile::HasTextSuffix(to)) {
    const std::variant<QByteArray, QString> text =
        SchemaFile::TextBytes(*schema, QFileInfo(from).completeBaseName());
    if (const auto* refusal = std::get_if<QString>(&text)) return tell(*refusal, 2);
    bytes = std::get<QByteArray>(text);
  } else {
    if (const std::optional<QString> name = SchemaFile::UnencodableName(schema->attributes)) {
      return tell(QCoreApplication::translate(
                      "Reports", "jmeno atributu %1 nepojme soubor .dbc (kodovani Windows-1250)")
                      .arg(*name),
                  2);
    }
    bytes = SchemaFile::Bytes(*schema);
  }
  if (WriteWholeFile(to, bytes) != WriteOutcome::Written) {
    return tell(QCoreApplication::translate("Reports", "%1: soubor nejde zapsat").arg(to), 1);
  }
  return 0;
}

QString WithoutTrailingBlanks(const std::string& line) {
  QString text = QString::fromStdString(line);
  while (text.endsWith(QLatin1Char(' ')))
    text.chop(1);
  return text;
}

QString KeyLineText(const std::string& line) {
  return line.empty() ? QCoreApplication::translate("Reports", "prazdna mnozina")
                      : QString::fromStdString(line);
}

QStringList KeyLineTexts(const KeyList& keys, const AttributeTable& names) {
  QStringList lines;
  for (const std::string& line : ListKeyLines(keys, names))
    lines << KeyLineText(line);
  return lines;
}

QString PrimeVerdictText(const QString& name, bool prime) {
  return prime ? QCoreApplication::translate("Reports",
                                             "Atribut %1 JE, na zaklade algoritmu zalozenem na "
                                             "maximalnich mnozinach, klicovym atributem")
                     .arg(name)
               : QCoreApplication::translate("Reports",
                                             "Atribut %1 NENI, na zaklade algoritmu zalozenem na "
                                             "maximalnich mnozinach, klicovym atributem")
                     .arg(name);
}

QString BcnfVerdictText(bool bcnf) {
  return bcnf ? QCoreApplication::translate(
                    "Reports",
                    "Schema JE, na zaklade algoritmu zalozenem na maximalnich mnozinach, v BCNF")
              : QCoreApplication::translate(
                    "Reports",
                    "Schema NENI, na zaklade algoritmu zalozenem na maximalnich mnozinach, v BCNF");
}

QString NoSetText() {
  return QCoreApplication::translate("MaximalSetsWindow", "zadna mnozina");
}

std::vector<std::string> MaxFamilyLines(const MaxSetFamily& maxSets, const AttributeTable& names,
                                        int n) {
  std::vector<std::string> lines;
  for (const MaxFamilyEntry& entry : MaxFamilyEntries(maxSets, names, n)) {
    lines.push_back(QCoreApplication::translate("Reports", "Mnozina Max(%1) = ")
                        .arg(QString::fromStdString(entry.attribute))
                        .toStdString());
    lines.push_back(entry.sets.empty() ? (QStringLiteral("   ") + NoSetText()).toStdString()
                                       : entry.sets);
    lines.emplace_back();
  }
  return lines;
}

QString MaxFamilyCondensedNote(std::uint64_t sets) {
  return QCoreApplication::translate("Reports",
                                     "Vypis je zkracen: kazda mnozina jednou, celkem %1 mnozin")
      .arg(sets);
}

QString LhsFamilyCondensedNote(std::uint64_t sets) {
  return QCoreApplication::translate(
             "Reports",
             "Vypis je zkracen: jen mnoziny bez podmnoziny v rodine, kazda jednou, celkem %1 "
             "mnozin")
      .arg(sets);
}

QString SynthesisOutcomeText(SynthesisOutcome outcome) {
  switch (outcome) {
    case SynthesisOutcome::Proceed:
    case SynthesisOutcome::Done:
      break;
    case SynthesisOutcome::SplitAlreadyShown:
      return QCoreApplication::translate("Reports",
                                         "Rozlozeni schematu podle levych stran je jiz zobrazeno");
    case SynthesisOutcome::SplitFirst:
      return QCoreApplication::translate("Reports", "Nejprve rozlozte schema podle levych stran");
    case SynthesisOutcome::NoEquivalentKeys:
      return QCoreApplication::translate("Reports", " Zadna schemata nemaji ekvivalentni klice");
    case SynthesisOutcome::MergeAlreadyShown:
      return QCoreApplication::translate(
          "Reports", "Sjednoceni schemat podle ekvivalentnich klicu je jiz zobrazeno");
    case SynthesisOutcome::NoProjection:
      return QCoreApplication::translate("Reports", "Zadna schemata nejsou projekci");
    case SynthesisOutcome::ProjectionAlreadyShown:
      return QCoreApplication::translate("Reports", " Zobrazeni projekce je jiz zobrazeno");
  }
  return {};
}

QString SynthesisQuestionText(SynthesisQuestion question) {
  switch (question) {
    case SynthesisQuestion::None:
      break;
    case SynthesisQuestion::UndoProjections:
      return QCoreApplication::translate(
          "Reports",
          "Schemata vytvorena projekci zmizi. Lze je ziskat znovu tlacitkem 'Projekce'.");
  }
  return {};
}
