#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <iterator>
#include <utility>

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
  const QCommandLineOption format(
      QStringLiteral("format"),
      Texts::tr("Zprava jako prosty text, Markdown nebo kus LaTeXu: %1 (bez volby text).")
          .arg(ReportFormatNames().join(QStringLiteral(", "))),
      Texts::tr("FORMAT"), QStringLiteral("text"));
  parser.addOption(format);
  const QCommandLineOption convert(
      QStringLiteral("convert"),
      Texts::tr("Prevede schema ze ZDROJE do souboru CIL (dalsi argument) bez otevreni okna: "
                ".dbc na text (.txt, .fd) a zpet, podle pripony cile."),
      Texts::tr("ZDROJ"));
  parser.addOption(convert);
  const QCommandLineOption generate(
      QStringLiteral("generate"),
      Texts::tr("Zapise POCET ruznych nahodnych zadani (.dbc, text a reseni) do slozky --out."),
      Texts::tr("POCET"));
  const QCommandLineOption attributes(QStringLiteral("attributes"),
                                      Texts::tr("Pocet atributu zadani (2 az 20, bez volby 6)."),
                                      Texts::tr("POCET"), QStringLiteral("6"));
  const QCommandLineOption dependencies(QStringLiteral("dependencies"),
                                        Texts::tr("Pocet zavislosti zadani (bez volby 6)."),
                                        Texts::tr("POCET"), QStringLiteral("6"));
  const QCommandLineOption target(
      QStringLiteral("target"),
      Texts::tr("Nejvyssi normalni forma zadani: 1NF, 2NF, 3NF nebo BCNF (bez volby 3NF)."),
      Texts::tr("FORMA"), QStringLiteral("3NF"));
  const QCommandLineOption keys(QStringLiteral("keys"),
                                Texts::tr("Presny pocet klicu zadani (bez volby libovolny)."),
                                Texts::tr("POCET"));
  const QCommandLineOption seed(
      QStringLiteral("seed"),
      Texts::tr("Seminko nahody: stejne seminko da stejna zadani (bez volby 1)."),
      Texts::tr("CISLO"), QStringLiteral("1"));
  const QCommandLineOption theme(
      QStringLiteral("theme"),
      Texts::tr("Jmena atributu: letters (pismena), orders (objednavky), timetable (rozvrh) "
                "nebo library (knihovna); bez volby letters."),
      Texts::tr("TEMA"), QStringLiteral("letters"));
  const QCommandLineOption folder(QStringLiteral("out"), Texts::tr("Slozka pro zadani."),
                                  Texts::tr("SLOZKA"));
  parser.addOptions({generate, attributes, dependencies, target, keys, seed, theme, folder});
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
  if (parser.isSet(format) && (!parser.isSet(report) || parser.value(report) == DeriveKind()))
    return refuse(Texts::tr("--format plati jen pro zpravy --report DRUH."));
  line.files = parser.positionalArguments();
  if (parser.isSet(generate)) {
    if (parser.isSet(report) || parser.isSet(convert) || !line.files.isEmpty()) {
      return refuse(Texts::tr("--generate se nekombinuje se soubory, --report ani --convert."));
    }
    if (!parser.isSet(folder)) return refuse(Texts::tr("Zadejte slozku pro zadani: --out SLOZKA."));
    const auto number = [&parser](const QCommandLineOption& option) -> std::optional<int> {
      bool ok = false;
      const int value = parser.value(option).toInt(&ok);
      return ok ? std::optional<int>(value) : std::nullopt;
    };
    for (const QCommandLineOption* option : {&generate, &attributes, &dependencies, &seed}) {
      if (!number(*option)) {
        return refuse(Texts::tr("--%1 chce cislo, ne %2")
                          .arg(option->names().constFirst(), parser.value(*option)));
      }
    }
    AssignmentsRequest& ask = line.assignments;
    ask.count = *number(generate);
    if (ask.count < 1 || ask.count > 999) {
      return refuse(Texts::tr("Pocet zadani musi byt 1 az 999."));
    }
    ask.folder = parser.value(folder);
    ask.schema.attributes = *number(attributes);
    ask.schema.dependencies = *number(dependencies);
    ask.schema.seed = static_cast<std::uint64_t>(*number(seed));
    if (parser.isSet(keys)) {
      if (!number(keys)) {
        return refuse(
            Texts::tr("--%1 chce cislo, ne %2").arg(QStringLiteral("keys"), parser.value(keys)));
      }
      ask.schema.keys = *number(keys);
    }
    const QString form = parser.value(target).toUpper();
    const std::pair<const char*, NormalFormLevel> forms[] = {{"1NF", NormalFormLevel::First},
                                                             {"2NF", NormalFormLevel::Second},
                                                             {"3NF", NormalFormLevel::Third},
                                                             {"BCNF", NormalFormLevel::BoyceCodd}};
    const auto named = std::find_if(std::begin(forms), std::end(forms), [&form](const auto& f) {
      return form == QLatin1String(f.first);
    });
    if (named == std::end(forms)) {
      return refuse(Texts::tr("Neznama normalni forma: %1. Znam: 1NF, 2NF, 3NF, BCNF.")
                        .arg(parser.value(target)));
    }
    ask.schema.target = named->second;
    const std::pair<const char*, NameTheme> themes[] = {{"letters", NameTheme::Letters},
                                                        {"orders", NameTheme::Orders},
                                                        {"timetable", NameTheme::Timetable},
                                                        {"library", NameTheme::Library}};
    const QString themeName = parser.value(theme);
    const auto chosen =
        std::find_if(std::begin(themes), std::end(themes),
                     [&themeName](const auto& t) { return themeName == QLatin1String(t.first); });
    if (chosen == std::end(themes)) {
      return refuse(
          Texts::tr("Nezname tema: %1. Znam: letters, orders, timetable, library.").arg(themeName));
    }
    ask.schema.theme = chosen->second;
    line.action = CommandLine::Action::Generate;
    return line;
  }
  if (parser.isSet(convert)) {
    if (parser.isSet(report)) return refuse(Texts::tr("Zadejte bud --report, nebo --convert."));
    if (line.files.size() != 1) {
      return refuse(Texts::tr("Prevod potrebuje zdroj a cil: --convert ZDROJ CIL."));
    }
    line.action = CommandLine::Action::Convert;
    line.target = line.files.takeFirst();
    line.files = QStringList{parser.value(convert)};
    return line;
  }
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
  if (parser.isSet(format) && !ReportFormatNamed(parser.value(format))) {
    return refuse(Texts::tr("Neznamy format zpravy: %1. Znam: %2.")
                      .arg(parser.value(format), ReportFormatNames().join(QStringLiteral(", "))));
  }
  const std::optional<ReportKind> kind = ReportKindNamed(parser.value(report));
  if (!kind) {
    return refuse(
        Texts::tr("Neznamy druh zpravy: %1. Znam: %2.").arg(parser.value(report), KindList()));
  }
  if (line.files.isEmpty()) return refuse(Texts::tr("Zprava potrebuje soubor se schematem."));
  line.action = CommandLine::Action::PrintReport;
  line.report = *kind;
  line.format = *ReportFormatNamed(parser.value(format));
  return line;
}
