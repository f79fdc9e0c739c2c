#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "Language.h"
#include "Version.h"

namespace {

class Texts final {
  Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The report that derives a dependency takes one more argument, so it is no
// kind of the reports every schema file gets.
QString DeriveKind() {
  return QStringLiteral("derive");
}

QString KindList() {
  return (ReportKindNames() << DeriveKind()).join(QStringLiteral(", "));
}

}  // namespace

QString ProgramVersion() {
  return QStringLiteral(SCHEMARIO_VERSION);
}

bool NeedsWindows(const QStringList& arguments) {
  QString ignored;
  QTextStream out(&ignored);
  QTextStream err(&ignored);
  return ParseCommandLine(arguments, out, err).action == CommandLine::Action::OpenWindows;
}

CommandLine ParseCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      Texts::tr("Navrh relacnich schemat: klice, normalni formy, dekompozice a synteza."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption report(
      QStringLiteral("report"),
      Texts::tr("Vypise zpravu DRUH o schematu ze SOUBORU na standardni vystup bez otevreni okna. "
                "DRUH je jeden z: %1.")
          .arg(KindList()),
      Texts::tr("DRUH"));
  parser.addOption(report);
  const QCommandLineOption language(
      QStringLiteral("lang"),
      Texts::tr("Jazyk textu: %1 (cestina), %2 (cestina bez diakritiky) nebo %3 (anglictina). "
                "Bez teto volby plati jazyk zvoleny v menu Napoveda, jinak jazyk systemu.")
          .arg(LanguageName(Language::Czech), LanguageName(Language::CzechAscii),
               LanguageName(Language::English)),
      Texts::tr("JAZYK"));
  parser.addOption(language);
  parser.addPositionalArgument(
      Texts::tr("SOUBOR"),
      Texts::tr("Schema (.dbc), ktere se otevre; se zpravou jedno nebo vice schemat."),
      Texts::tr("[SOUBOR...]"));

  CommandLine line;
  line.action = CommandLine::Action::Exit;
  const auto refuse = [&](const QString& text) {
    err << ProgramPrefix() << text << '\n' << Texts::tr("Napoveda: schemario --help") << '\n';
    line.exitStatus = UsageStatus;
    return line;
  };
  if (!parser.parse(arguments)) return refuse(parser.errorText());
  if (parser.isSet(help)) {
    out << parser.helpText();
    return line;
  }
  if (parser.isSet(version)) {
    out << QStringLiteral("Schemario %1\n").arg(ProgramVersion());
    return line;
  }
  if (parser.isSet(language) && !LanguageNamed(parser.value(language))) {
    return refuse(Texts::tr("Neznamy jazyk: %1. Znam: %2.")
                      .arg(parser.value(language), LanguageNames().join(QStringLiteral(", "))));
  }
  line.files = parser.positionalArguments();
  if (!parser.isSet(report)) {
    if (line.files.size() > 1) return refuse(Texts::tr("Zadejte nejvyse jeden soubor."));
    line.action = CommandLine::Action::OpenWindows;
    return line;
  }
  if (parser.value(report) == DeriveKind()) {
    if (line.files.size() != 2) {
      return refuse(Texts::tr("Odvozeni potrebuje soubor se schematem a zavislost \"X -> Y\"."));
    }
    line.action = CommandLine::Action::Derive;
    line.dependency = line.files.takeLast();
    return line;
  }
  const std::optional<ReportKind> kind = ReportKindNamed(parser.value(report));
  if (!kind) {
    return refuse(
        Texts::tr("Neznamy druh zpravy: %1. Znam: %2.").arg(parser.value(report), KindList()));
  }
  if (line.files.isEmpty()) return refuse(Texts::tr("Zprava potrebuje soubor se schematem."));
  line.action = CommandLine::Action::PrintReport;
  line.report = *kind;
  return line;
}
