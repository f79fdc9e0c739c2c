// The command line and the batch reports: the program run as a teacher runs
// it, without a display, on every sample schema.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <set>

#include "BruteForce.h"
#include "CommandLine.h"
#include "Data_statement_2.h"
#include "Language.h"
#include "MaxSets.h"
#include "MinimalCover.h"
#include "Reports.h"
#include "SchemaFile.h"

namespace {

using namespace brute;

struct ProgramRun {
  int status;
  QString out;
  QString err;
};

// The installed program's way of starting: no display, no platform chosen.
// Unless told otherwise it speaks in the source texts, which the expectations
// use, whatever the locale or the saved choice.
ProgramRun RunProgram(const QStringList& arguments,
                      const QString& language = QStringLiteral("cs_ascii")) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(QString::fromLatin1(name));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(SCHEMARIO_PROGRAM),
                QStringList{QStringLiteral("--lang"), language} + arguments);
  EXPECT_TRUE(process.waitForFinished(60000));
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

Schema SampleSchema(const QString& path) {
  SchemaReadResult read = SchemaFile::Read(path);
  EXPECT_TRUE(std::holds_alternative<OpenedSchema>(read)) << path.toStdString();
  Schema schema;
  if (auto* opened = std::get_if<OpenedSchema>(&read)) {
    schema.SetAttributes(opened->names);
    schema.ReplaceDependencies(std::move(opened->dependencies));
  }
  return schema;
}

QStringList Samples() {
  const QDir folder(QStringLiteral(SCHEMARIO_SAMPLES));
  QStringList paths;
  for (const QString& name : folder.entryList({QStringLiteral("*.dbc")}, QDir::Files))
    paths << folder.filePath(name);
  return paths;
}

std::string KeyLine(std::uint32_t mask, const AttributeTable& names) {
  std::string line;
  for (int i = 0; i < MaxAttributes; ++i)
    if (mask & (1u << i)) line += names[i] + " ";
  return line;
}

TEST(CommandLine, ArgumentsGiveTheirAction) {
  using Action = CommandLine::Action;
  const struct {
    QStringList arguments;
    Action action;
    QString file;
    int status;
    bool needsWindows;
  } cases[] = {
      {{}, Action::OpenWindows, QString(), 0, true},
      {{"a.dbc"}, Action::OpenWindows, "a.dbc", 0, true},
      {{"--report", "cover", "a.dbc"}, Action::PrintReport, "a.dbc", 0, false},
      {{"--report=synthesis", "a.dbc"}, Action::PrintReport, "a.dbc", 0, false},
      {{"--version"}, Action::Exit, QString(), 0, false},
      {{"--help"}, Action::Exit, QString(), 0, false},
      {{"a.dbc", "b.dbc"}, Action::Exit, QString(), 1, true},
      {{"--report", "keys"}, Action::Exit, QString(), 1, false},
      {{"--report", "nonsense", "a.dbc"}, Action::Exit, QString(), 1, false},
      {{"--unknown"}, Action::Exit, QString(), 1, true},
      {{"--lang", "en", "a.dbc"}, Action::OpenWindows, "a.dbc", 0, true},
      {{"--lang", "de", "--report", "keys", "a.dbc"}, Action::Exit, QString(), 1, false},
  };
  for (const auto& c : cases) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const QStringList arguments = QStringList{QStringLiteral("schemario")} + c.arguments;
    const CommandLine line = ParseCommandLine(arguments, outStream, errStream);
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(line.exitStatus, c.status);
    if (c.action != Action::Exit) {
      EXPECT_EQ(line.file, c.file);
    }
    EXPECT_EQ(err.isEmpty(), c.status == 0);
    // Whatever needs no window is decided before the windowing system starts.
    EXPECT_EQ(NeedsWindows(arguments), c.needsWindows);
  }
}

TEST(CommandLine, LanguageIsLookedUpBeforeParsing) {
  const struct {
    QStringList arguments;
    std::optional<Language> language;
  } cases[] = {
      {{}, std::nullopt},
      {{"--lang", "en"}, Language::English},
      {{"a.dbc", "--lang=cs_ascii"}, Language::CzechAscii},
      {{"--lang", "cs", "a.dbc"}, Language::Czech},
      {{"--lang", "de"}, std::nullopt},
      {{"--lang"}, std::nullopt},
      {{"--", "--lang", "en"}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    EXPECT_EQ(RequestedLanguage(QStringList{QStringLiteral("schemario")} + c.arguments),
              c.language);
  }
}

// The translations are built into the program, and Qt's own (here the
// help's headings) follow them.
TEST(BatchReports, TextsFollowTheChosenLanguage) {
  const struct {
    QString language;
    QString refusal;
    QString usage;
  } cases[] = {
      {"cs", "Neznámý druh zprávy: x. Znám: ", "Použití:"},
      {"cs_ascii", "Neznamy druh zpravy: x. Znam: ", "Usage:"},
      {"en", "Unknown report kind: x. Known: ", "Usage:"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language.toStdString());
    const ProgramRun refused = RunProgram(
        {QStringLiteral("--report"), QStringLiteral("x"), QStringLiteral("a.dbc")}, c.language);
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.startsWith(c.refusal)) << refused.err.toStdString();
    const ProgramRun help = RunProgram({QStringLiteral("--help")}, c.language);
    EXPECT_TRUE(help.out.startsWith(c.usage)) << help.out.toStdString();
  }
}

TEST(BatchReports, EverySampleAndKindPrintsWhatTheModelComputes) {
  const QStringList samples = Samples();
  ASSERT_GE(samples.size(), 5);
  for (const QString& path : samples) {
    const Schema schema = SampleSchema(path);
    for (const QString& kindName : ReportKindNames()) {
      SCOPED_TRACE((path + QLatin1Char(' ') + kindName).toStdString());
      QStringList notes;
      const std::vector<std::string> lines = BuildReport(*ReportKindNamed(kindName), schema, notes);
      QString expected;
      for (const std::string& line : lines)
        expected += QString::fromStdString(line) + QLatin1Char('\n');
      const ProgramRun run = RunProgram({QStringLiteral("--report"), kindName, path});
      EXPECT_EQ(run.status, 0);
      EXPECT_EQ(run.out, expected);
    }
  }
}

TEST(BatchReports, KeysCoverAndVerdictsAgreeWithBruteForce) {
  for (const QString& path : Samples()) {
    SCOPED_TRACE(path.toStdString());
    const Schema schema = SampleSchema(path);
    const AttributeTable& names = schema.attributes;
    const int n = CountNonEmptyNames(names);
    const std::vector<Fd> fds = FromList(schema.dependencies);
    QStringList notes;

    const std::vector<std::uint32_t> keys = MinimalKeys(n, fds);
    std::set<std::string> expectedKeys;
    for (std::uint32_t key : keys)
      expectedKeys.insert(KeyLine(key, names));
    const std::vector<std::string> keyLines = BuildReport(ReportKind::Keys, schema, notes);
    EXPECT_EQ(std::set<std::string>(keyLines.begin(), keyLines.end()), expectedKeys);
    EXPECT_EQ(keyLines.size(), keys.size());

    // The cover means the same and no dependency of it follows from the rest.
    const DependencyList cover = PrepareSynthesisInput(schema.dependencies, {}).cover;
    EXPECT_EQ(BuildReport(ReportKind::Cover, schema, notes), ListDependencyLines(cover, names));
    const std::vector<Fd> coverFds = FromList(cover);
    EXPECT_TRUE(Equivalent(coverFds, fds));
    for (std::size_t i = 0; i < coverFds.size(); ++i) {
      std::vector<Fd> rest = coverFds;
      rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i));
      EXPECT_FALSE(Implies(rest, coverFds[i].lhs, coverFds[i].rhs));
    }

    const std::vector<std::string> maxLines = BuildReport(ReportKind::MaxSets, schema, notes);
    ASSERT_GE(maxLines.size(), static_cast<std::size_t>(n) + 1);
    EXPECT_EQ(maxLines.back(), BcnfVerdictText(IsBcnf(n, fds)).toStdString());
    for (int a = 0; a < n; ++a) {
      const bool prime =
          std::any_of(keys.begin(), keys.end(), [a](std::uint32_t key) { return (key >> a) & 1u; });
      EXPECT_EQ(maxLines[maxLines.size() - 1 - static_cast<std::size_t>(n - a)],
                PrimeVerdictText(QString::fromStdString(names[a]), prime).toStdString());
    }
  }
}

TEST(BatchReports, FilesNotReadGiveStatusTwoAndTheReason) {
  QTemporaryDir dir;
  const QString spoilt = dir.filePath(QStringLiteral("spoilt.dbc"));
  QFile file(spoilt);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("A;B:0 -1;");
  file.close();
  const struct {
    QString path;
    QString reason;
  } cases[] = {
      {spoilt, QStringLiteral("bajt 4: jmeno atributu nekonci znakem ;")},
      {dir.filePath(QStringLiteral("missing.dbc")), QStringLiteral("Chyba pri cteni ze souboru")},
      {dir.filePath(QStringLiteral("notes.txt")),
       QStringLiteral("Zkousite otevrit spatny soubor. Chci priponu .dbc")},
  };
  for (const auto& c : cases) {
    const ProgramRun run = RunProgram({QStringLiteral("--report"), QStringLiteral("keys"), c.path});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, c.path + QStringLiteral(": ") + c.reason + QLatin1Char('\n'));
    EXPECT_TRUE(run.out.isEmpty());
  }
}

TEST(BatchReports, VersionNeedsNoDisplay) {
  const ProgramRun run = RunProgram({QStringLiteral("--version")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, QStringLiteral("Schemario %1\n").arg(ProgramVersion()));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
