#include "Assignments.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <vector>

#include "Isomorphism.h"
#include "Reports.h"
#include "SchemaFile.h"
#include "WholeFileWrite.h"

namespace {

class Texts final {
  Q_DECLARE_TR_FUNCTIONS(Assignments)
};

// The answer key: every report a student's answers are checked against.
QByteArray AnswerKey(const Schema& schema) {
  const struct {
    ReportKind kind;
    const char* heading;
  } parts[] = {
      {ReportKind::Keys, QT_TRANSLATE_NOOP("Assignments", "KLICE")},
      {ReportKind::Cover, QT_TRANSLATE_NOOP("Assignments", "MINIMALNI POKRYTI")},
      {ReportKind::Synthesis, QT_TRANSLATE_NOOP("Assignments", "SYNTEZA")},
  };
  QString text;
  for (const auto& part : parts) {
    if (!text.isEmpty()) text += QLatin1Char('\n');
    text += Texts::tr(part.heading) + QLatin1Char('\n');
    QStringList notes;
    text += FormatReport(BuildReport(part.kind, schema, notes), ReportFormat::Text);
  }
  return text.toUtf8();
}

bool Write(const QString& path, const QByteArray& bytes, QTextStream& out, QTextStream& err) {
  if (WriteWholeFile(path, bytes) != WriteOutcome::Written) {
    err << ProgramPrefix() << Texts::tr("%1: soubor nejde zapsat").arg(path) << '\n';
    return false;
  }
  out << path << '\n';
  return true;
}

}  // namespace

NameLanguage NameLanguageOf(Language language) {
  switch (language) {
    case Language::Czech:
      return NameLanguage::Czech;
    case Language::CzechAscii:
      return NameLanguage::CzechAscii;
    case Language::English:
      return NameLanguage::English;
  }
  return NameLanguage::CzechAscii;
}

QString GeneratorFailureText(const GeneratorFailure& failure) {
  const QString limit = QString::number(failure.limit);
  switch (failure.reason) {
    case GeneratorRefusal::AttributesOutOfRange:
      return Texts::tr("pocet atributu mimo rozsah; nejblizsi mozny je %1").arg(limit);
    case GeneratorRefusal::DependenciesOutOfRange:
      return Texts::tr("pocet zavislosti mimo rozsah; nejblizsi mozny je %1").arg(limit);
    case GeneratorRefusal::KeysOutOfRange:
      return Texts::tr("pocet klicu mimo rozsah; nejblizsi mozny je %1").arg(limit);
    case GeneratorRefusal::RedundancyOutOfRange:
      return Texts::tr("pocet redundanci nesmi byt zaporny");
    case GeneratorRefusal::TooFewAttributes:
      return Texts::tr("takove schema potrebuje alespon %1 atributu").arg(limit);
    case GeneratorRefusal::TooFewDependencies:
      return Texts::tr("takove schema potrebuje alespon %1 zavislosti").arg(limit);
    case GeneratorRefusal::TooManyDependencies:
      return Texts::tr("ruznych zavislosti je nejvyse %1").arg(limit);
    case GeneratorRefusal::TooFewKeys:
      return Texts::tr("v teto normalni forme ma schema alespon %1 klicu").arg(limit);
    case GeneratorRefusal::TooManyKeys:
      return Texts::tr("tolik atributu dava nejvyse %1 klicu").arg(limit);
    case GeneratorRefusal::TooManyRedundantAttributes:
      return Texts::tr("redundantnich atributu muze byt nejvyse %1").arg(limit);
    case GeneratorRefusal::TooManyRedundantDependencies:
      return Texts::tr("redundantnich zavislosti muze byt nejvyse %1").arg(limit);
    case GeneratorRefusal::NotFound:
      break;
  }
  return Texts::tr("schema s temito vlastnostmi se nenaslo; zkuste jiny pocet zavislosti");
}

int RunAssignments(const AssignmentsRequest& request, Language language, QTextStream& out,
                   QTextStream& err) {
  if (!QDir().mkpath(request.folder)) {
    err << ProgramPrefix() << Texts::tr("%1: slozku nejde vytvorit").arg(request.folder) << '\n';
    return 1;
  }
  const QDir folder(request.folder);
  GeneratorRequest ask = request.schema;
  ask.language = NameLanguageOf(language);
  std::vector<DependencyList> made;
  // Small schemas have few shapes; past this many tries more are unlikely.
  const int tries = 50 * request.count + 50;
  for (int attempt = 0; attempt < tries && static_cast<int>(made.size()) < request.count;
       ++attempt) {
    ask.seed = request.schema.seed + static_cast<std::uint64_t>(attempt);
    GeneratorResult result = GenerateSchema(ask);
    if (const auto* failure = std::get_if<GeneratorFailure>(&result)) {
      // The same refusal would come for every seed; only a miss may not.
      if (failure->reason == GeneratorRefusal::NotFound) continue;
      err << ProgramPrefix() << GeneratorFailureText(*failure) << '\n';
      return 2;
    }
    const Schema& schema = std::get<GeneratedSchema>(result).schema;
    const bool seen = std::any_of(made.begin(), made.end(), [&](const DependencyList& earlier) {
      return SameUpToRenaming(earlier, schema.dependencies, ask.attributes);
    });
    if (seen) continue;
    made.push_back(schema.dependencies);
    const QString number = QStringLiteral("%1").arg(made.size(), 2, 10, QLatin1Char('0'));
    const QString name = Texts::tr("zadani-%1").arg(number);
    const std::variant<QByteArray, QString> text = SchemaFile::TextBytes(schema, name);
    if (!Write(folder.filePath(name + QStringLiteral(".dbc")), SchemaFile::Bytes(schema), out,
               err) ||
        !Write(folder.filePath(name + QStringLiteral(".txt")), std::get<QByteArray>(text), out,
               err) ||
        !Write(folder.filePath(Texts::tr("reseni-%1").arg(number) + QStringLiteral(".txt")),
               AnswerKey(schema), out, err)) {
      return 1;
    }
  }
  if (static_cast<int>(made.size()) < request.count) {
    err << ProgramPrefix()
        << Texts::tr("ruznych zadani s temito vlastnostmi se naslo jen %1").arg(made.size())
        << '\n';
    return 2;
  }
  return 0;
}
