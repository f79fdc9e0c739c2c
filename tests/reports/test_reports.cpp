// The command line and the batch reports: the program run as a teacher runs
// it, without a display, on every sample schema.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <set>

#include "BruteForce.h"
#include "CommandLine.h"
#include "DbcFormat.h"
#include "Keys.h"
#include "Language.h"
#include "MaxSets.h"
#include "MinimalCover.h"
#include "Reports.h"
#include "SchemaFile.h"
#include "SchemaListing.h"
#include "SchemaReport.h"
#include "SchemaText.h"
#include "ScriptedDialogs.h"

namespace {

using namespace brute;

// Writes `bytes` afresh to the file `name` in `dir`; returns its path.
QString WriteFile(const QTemporaryDir& dir, const char* name, const char* bytes) {
  QString path = dir.filePath(QString::fromLatin1(name));
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
  return path;
}

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
    QStringList files;
    int status;
    bool needsWindows;
  } cases[] = {
      {{}, Action::OpenWindows, {}, 0, true},
      {{"a.dbc"}, Action::OpenWindows, {"a.dbc"}, 0, true},
      {{"--report", "cover", "a.dbc"}, Action::PrintReport, {"a.dbc"}, 0, false},
      {{"--report=synthesis", "a.dbc", "b.dbc"}, Action::PrintReport, {"a.dbc", "b.dbc"}, 0, false},
      {{"--version"}, Action::Exit, {}, 0, false},
      {{"--help"}, Action::Exit, {}, 0, false},
      // Every mistake is told without a display.
      {{"a.dbc", "b.dbc"}, Action::Exit, {}, 2, false},
      {{"--report", "keys"}, Action::Exit, {}, 2, false},
      {{"--report", "nonsense", "a.dbc"}, Action::Exit, {}, 2, false},
      {{"--unknown"}, Action::Exit, {}, 2, false},
      {{"--lang", "en", "a.dbc"}, Action::OpenWindows, {"a.dbc"}, 0, true},
      {{"--lang", "de", "a.dbc"}, Action::Exit, {}, 2, false},
      {{"--report", "keys", "--format", "latex", "a.dbc"},
       Action::PrintReport,
       {"a.dbc"},
       0,
       false},
      {{"--report", "keys", "--format", "html", "a.dbc"}, Action::Exit, {}, 2, false},
      {{"--format", "markdown", "a.dbc"}, Action::Exit, {}, 2, false},
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
      EXPECT_EQ(line.files, c.files);
    }
    EXPECT_EQ(err.isEmpty(), c.status == 0);
    if (c.status != 0) {
      EXPECT_TRUE(err.startsWith("schemario: ")) << err.toStdString();
      EXPECT_TRUE(err.contains("--help")) << err.toStdString();
    }
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
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.startsWith("schemario: " + c.refusal)) << refused.err.toStdString();
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
      const std::vector<std::string> lines =
          TextLines(BuildReport(*ReportKindNamed(kindName), schema, notes));
      QString expected;
      for (const std::string& line : lines) {
        const std::size_t end = line.find_last_not_of(' ');
        expected += QString::fromStdString(line.substr(0, end == std::string::npos ? 0 : end + 1));
        expected += QLatin1Char('\n');
      }
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
    const std::vector<std::string> keyLines =
        TextLines(BuildReport(ReportKind::Keys, schema, notes));
    EXPECT_EQ(std::set<std::string>(keyLines.begin(), keyLines.end()), expectedKeys);
    EXPECT_EQ(keyLines.size(), keys.size());

    // The cover means the same and no dependency of it follows from the rest.
    const DependencyList cover = PrepareSynthesisInput(schema.dependencies, {}).cover;
    EXPECT_EQ(TextLines(BuildReport(ReportKind::Cover, schema, notes)),
              ListDependencyLines(cover, names));
    const std::vector<Fd> coverFds = FromList(cover);
    EXPECT_TRUE(Equivalent(coverFds, fds));
    for (std::size_t i = 0; i < coverFds.size(); ++i) {
      std::vector<Fd> rest = coverFds;
      rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i));
      EXPECT_FALSE(Implies(rest, coverFds[i].lhs, coverFds[i].rhs));
    }

    const std::vector<std::string> maxLines =
        TextLines(BuildReport(ReportKind::MaxSets, schema, notes));
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
  const QString spoilt = WriteFile(dir, "spoilt.dbc", "A;B:0 -1;");
  // Opening a named pipe for reading waits for a writer; the program must not.
  const QString pipe = dir.filePath(QStringLiteral("pipe.dbc"));
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  const QString folder = dir.filePath(QStringLiteral("folder.dbc"));
  ASSERT_TRUE(QDir().mkdir(folder));
  const struct {
    QString path;
    QString reason;
  } cases[] = {
      {spoilt, QStringLiteral("bajt 4: jmeno atributu nekonci znakem ;")},
      {dir.filePath(QStringLiteral("missing.dbc")), QStringLiteral("No such file or directory")},
      {pipe, QStringLiteral("neni obycejny soubor")},
      {folder, QStringLiteral("neni obycejny soubor")},
      {dir.filePath(QStringLiteral("notes.pdf")),
       QStringLiteral("Zkousite otevrit spatny soubor. Chci priponu .dbc")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    const ProgramRun run = RunProgram({QStringLiteral("--report"), QStringLiteral("keys"), c.path});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "schemario: " + c.path + QStringLiteral(": ") + c.reason + '\n');
    EXPECT_TRUE(run.out.isEmpty());
  }
}

// Several files are reported in turn under their names; one that cannot be
// read is named on the error output and the others are still reported.
TEST(BatchReports, SeveralFilesEachUnderItsName) {
  QTemporaryDir dir;
  const QString good = WriteFile(dir, "a.dbc", "A;B;:0 -1;");
  const QString missing = dir.filePath(QStringLiteral("b.dbc"));
  const ProgramRun run =
      RunProgram({QStringLiteral("--report"), QStringLiteral("keys"), good, missing, good});
  EXPECT_EQ(run.status, 2);
  const QString block = QStringLiteral("==> %1 <==\nA\n").arg(good);
  EXPECT_EQ(run.out, block + "\n==> " + missing + " <==\n\n" + block);
  EXPECT_EQ(run.err, "schemario: " + missing + ": No such file or directory\n");
}

// An answer-key loop on a full disk must notice: a report that could not be
// written is a failure.
TEST(BatchReports, AnOutputThatCannotBeWrittenFails) {
  QProcess process;
  process.setStandardOutputFile(QStringLiteral("/dev/full"));
  process.start(QStringLiteral(SCHEMARIO_PROGRAM),
                {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--report"),
                 QStringLiteral("synthesis"), QStringLiteral(SCHEMARIO_SAMPLES "/objednavky.dbc")});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 1);
  EXPECT_TRUE(
      QString::fromUtf8(process.readAllStandardError()).startsWith(QStringLiteral("schemario: ")));
}

// A schema of one constant attribute has the empty key, which the reports
// put in words; one whose records are all trivial is in BCNF.
TEST(BatchReports, EmptyKeyAndTrivialRecords) {
  QTemporaryDir dir;
  const QString constant = WriteFile(dir, "constant.dbc", "A;:-0;");
  EXPECT_EQ(RunProgram({QStringLiteral("--report"), QStringLiteral("keys"), constant}).out,
            QStringLiteral("prazdna mnozina\n"));
  EXPECT_TRUE(RunProgram({QStringLiteral("--report"), QStringLiteral("synthesis"), constant})
                  .out.contains(QStringLiteral("KLICE:\n\nprazdna mnozina\n")));

  const QString trivial = WriteFile(dir, "trivial.dbc", "A;B;:0 -0;1 -1;");
  const QStringList lines =
      RunProgram({QStringLiteral("--report"), QStringLiteral("synthesis"), trivial})
          .out.split(QLatin1Char('\n'));
  const qsizetype heading = lines.indexOf(QStringLiteral("NORMALNI FORMA:"));
  ASSERT_GE(heading, 0);
  EXPECT_EQ(lines.value(heading + 2), QStringLiteral(" Schema je v BCNF"));
}

// The synthesis report gives the resulting schemas only; its course gives
// every step from the starting schema on.
TEST(BatchReports, SynthesisResultsAndCourse) {
  const QString path = QStringLiteral(SCHEMARIO_SAMPLES "/objednavky.dbc");
  const ProgramRun results =
      RunProgram({QStringLiteral("--report"), QStringLiteral("synthesis"), path});
  const ProgramRun course =
      RunProgram({QStringLiteral("--report"), QStringLiteral("synthesis-course"), path});
  EXPECT_FALSE(results.out.contains(QStringLiteral("PUVODNI SCHEMA")));
  EXPECT_TRUE(course.out.contains(QStringLiteral("PUVODNI SCHEMA")));
  EXPECT_TRUE(results.out.contains(QStringLiteral("SCHEMA 1:")));
}

// A dependency that follows is derived by Armstrong's rules, ending in it;
// one that does not is answered with the closure; a name the schema does
// not have is refused where it stands.
TEST(BatchReports, DeriveADependency) {
  const QString path = QStringLiteral(SCHEMARIO_SAMPLES "/objednavky.dbc");
  const auto derive = [&path](const char* dependency) {
    return RunProgram({QStringLiteral("--report"), QStringLiteral("derive"), path,
                       QString::fromUtf8(dependency)});
  };
  const ProgramRun follows = derive("Objednavka, Zbozi -> Adresa");
  EXPECT_EQ(follows.status, 0);
  EXPECT_TRUE(follows.out.trimmed().endsWith(
      QStringLiteral("Objednavka + Zbozi -> Adresa (tranzitivita: 3, 4)")))
      << follows.out.toStdString();
  const ProgramRun not_ = derive("Zbozi -> Adresa");
  EXPECT_EQ(not_.status, 0);
  EXPECT_EQ(not_.out, QStringLiteral("Zbozi -> Adresa neplyne ze zavislosti: uzaver {Zbozi} je "
                                     "{Zbozi, Cena}, chybi v nem {Adresa}\n"));
  const ProgramRun unknown = derive("Zbozi -> Adres");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.err, QStringLiteral("schemario: radek 1, sloupec 10: neznamy atribut Adres\n"));
}

// Every sample goes to a schema text and back to a schema file that says
// the same; a target the program cannot write or name is refused.
TEST(BatchReports, ConvertBetweenSchemaFilesAndTexts) {
  QTemporaryDir dir;
  const QStringList samples =
      QDir(QStringLiteral(SCHEMARIO_SAMPLES)).entryList({QStringLiteral("*.dbc")}, QDir::Files);
  ASSERT_FALSE(samples.isEmpty());
  for (const QString& name : samples) {
    SCOPED_TRACE(name.toStdString());
    const QString sample = QStringLiteral(SCHEMARIO_SAMPLES "/") + name;
    const QString text = dir.filePath(name + QStringLiteral(".txt"));
    const QString back = dir.filePath(name);
    EXPECT_EQ(RunProgram({QStringLiteral("--convert"), sample, text}).status, 0);
    EXPECT_EQ(RunProgram({QStringLiteral("--convert"), text, back}).status, 0);
    const auto listing = [](const QString& path) {
      return RunProgram({QStringLiteral("--report"), QStringLiteral("listing"), path}).out;
    };
    EXPECT_EQ(listing(back), listing(sample));
  }
  const QString sample = QStringLiteral(SCHEMARIO_SAMPLES "/") + samples.first();
  const ProgramRun noFolder =
      RunProgram({QStringLiteral("--convert"), sample, dir.filePath(QStringLiteral("no/x.txt"))});
  EXPECT_EQ(noFolder.status, 1);
  EXPECT_TRUE(noFolder.err.endsWith(QStringLiteral("soubor nejde zapsat\n")));
  EXPECT_EQ(RunProgram({QStringLiteral("--convert"), sample, dir.filePath(QStringLiteral("x.pdf"))})
                .status,
            2);
}

// Thirty assignments for a class: each in third normal form exactly with two
// keys, no two alike up to names, each with its text and answer key; a
// request no schema meets is refused with the reason.
TEST(BatchReports, GenerateAssignments) {
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("class"));
  const ProgramRun run =
      RunProgram({QStringLiteral("--generate"), QStringLiteral("30"),
                  QStringLiteral("--attributes"), QStringLiteral("6"),
                  QStringLiteral("--dependencies"), QStringLiteral("7"), QStringLiteral("--target"),
                  QStringLiteral("3NF"), QStringLiteral("--keys"), QStringLiteral("2"),
                  QStringLiteral("--seed"), QStringLiteral("5"), QStringLiteral("--out"), folder});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  std::vector<std::vector<brute::Fd>> made;
  for (int i = 1; i <= 30; ++i) {
    const QString number = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    SCOPED_TRACE(number.toStdString());
    SchemaReadResult read =
        SchemaFile::Read(folder + QStringLiteral("/zadani-") + number + QStringLiteral(".dbc"));
    ASSERT_TRUE(std::holds_alternative<OpenedSchema>(read));
    const std::vector<brute::Fd> fds = brute::FromList(std::get<OpenedSchema>(read).dependencies);
    EXPECT_EQ(brute::HighestNormalForm(6, fds), 3);
    EXPECT_EQ(brute::MinimalKeys(6, fds).size(), std::size_t{2});
    for (const std::vector<brute::Fd>& earlier : made)
      EXPECT_FALSE(brute::SameUpToRenaming(6, earlier, fds));
    made.push_back(fds);
    EXPECT_TRUE(
        QFile::exists(folder + QStringLiteral("/zadani-") + number + QStringLiteral(".txt")));
    QFile key(folder + QStringLiteral("/reseni-") + number + QStringLiteral(".txt"));
    ASSERT_TRUE(key.open(QIODevice::ReadOnly));
    EXPECT_TRUE(key.readAll().startsWith("KLICE\n"));
  }

  const ProgramRun impossible =
      RunProgram({QStringLiteral("--generate"), QStringLiteral("1"), QStringLiteral("--attributes"),
                  QStringLiteral("2"), QStringLiteral("--dependencies"), QStringLiteral("9"),
                  QStringLiteral("--out"), folder});
  EXPECT_EQ(impossible.status, 2);
  EXPECT_TRUE(impossible.err.startsWith(QStringLiteral("schemario: ")))
      << impossible.err.toStdString();
}

// A listing of no set at all says so in words; "{ }" is the one empty set.
TEST(BatchReports, MaxSetsSayWhenThereIsNoSet) {
  QTemporaryDir dir;
  const struct {
    const char* bytes;
    QStringList family;
  } cases[] = {
      {"A;B;:-0;", {"Mnozina Max(A) =", "   zadna mnozina", "", "Mnozina Max(B) =", "   { A }"}},
      {"A;B;:0 -1;1 -0;", {"Mnozina Max(A) =", "   { }", "", "Mnozina Max(B) =", "   { }"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    const QString path = WriteFile(dir, "schema.dbc", c.bytes);
    const ProgramRun run =
        RunProgram({QStringLiteral("--report"), QStringLiteral("maxsets"), path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.split(QLatin1Char('\n')).mid(0, 5), c.family);
  }
}

// A label reads its number, what it joins, or both; a joined label may join
// others in turn, and every joining word is translated.
// Names holding what Markdown and TeX give a meaning, and Czech letters.
const char kAwkwardSchema[] =
    "attributes: \u010c\u00edslo_\u017e\u00e1ka, 50% sleva, A&B, $cena, {x}, t~u, v^w, a\\b, "
    "\u0158ada <1>, p|q\n"
    "\u010c\u00edslo_\u017e\u00e1ka -> 50% sleva, A&B\n"
    "A&B, $cena -> {x}\n"
    "{x} -> t~u, v^w\n"
    "t~u -> \u010c\u00edslo_\u017e\u00e1ka\n"
    "a\\b, \u0158ada <1> -> p|q\n";

QString WriteAwkwardSchema(const QTemporaryDir& dir) {
  QString path = dir.filePath(QStringLiteral("awkward.txt"));
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(kAwkwardSchema);
  return path;
}

TEST(ReportFormats, MarkdownTablesForKeysAndMaximalSetsWithTheArrowsKept) {
  const QTemporaryDir dir;
  const QString schema = WriteAwkwardSchema(dir);
  const struct {
    const char* kind;
    const char* expected;
  } cases[] = {
      {"listing", "- A&B, $cena -> {x}\n"},
      {"listing", "- a\\\\b, \u0158ada \\<1\\> -> p\\|q\n"},
      {"keys", "| Klic |\n| --- |\n"},
      {"keys", "| {\u010c\u00edslo\\_\u017e\u00e1ka, $cena, a\\\\b, \u0158ada \\<1\\>} |\n"},
      {"maxsets", "| Atribut | Maximalni mnoziny |\n| --- | --- |\n"},
      {"maxsets", "| p\\|q | {"},
      {"synthesis", "## SCHEMA 1:\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    const ProgramRun run = RunProgram({"--report", c.kind, "--format", "markdown", schema});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QString::fromUtf8(c.expected))) << run.out.toStdString();
    EXPECT_EQ(RunProgram({"--report", c.kind, "--format", "text", schema}).out,
              RunProgram({"--report", c.kind, schema}).out);
  }
}

// Every kind of report as a LaTeX fragment compiles inside a plain article.
// pdflatex comes with the test packages; without it the test fails.
TEST(ReportFormats, LatexFragmentsCompileInAPlainArticle) {
  const QTemporaryDir dir;
  const QString schema = WriteAwkwardSchema(dir);
  for (const QString& kind : ReportKindNames()) {
    SCOPED_TRACE(kind.toStdString());
    const ProgramRun run =
        RunProgram({"--report", kind, "--format", "latex", schema}, QStringLiteral("cs"));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QFile fragment(dir.filePath(kind + QStringLiteral(".tex")));
    ASSERT_TRUE(fragment.open(QIODevice::WriteOnly));
    fragment.write(run.out.toUtf8());
    fragment.close();
    QFile document(dir.filePath(QStringLiteral("doc-") + kind + QStringLiteral(".tex")));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.write(QStringLiteral("\\documentclass{article}\n\\usepackage[utf8]{inputenc}\n"
                                  "\\begin{document}\n\\input{%1}\n\\end{document}\n")
                       .arg(kind)
                       .toUtf8());
    document.close();
    QProcess latex;
    latex.setWorkingDirectory(dir.path());
    latex.start(QStringLiteral("pdflatex"),
                {"-interaction=nonstopmode", "-halt-on-error", document.fileName()});
    ASSERT_TRUE(latex.waitForStarted())
        << "pdflatex cannot be started (Debian package texlive-latex-base)";
    ASSERT_TRUE(latex.waitForFinished(120000));
    EXPECT_EQ(latex.exitCode(), 0) << latex.readAllStandardOutput().right(1500).toStdString();
  }
}

// The largest schema the editors make, 20 names and 90 records with a left
// side of all 20, typed as text reads as the same schema as its schema file:
// each window's report says the same of both.
TEST(BatchReports, TheLargestSchemaTypedAsTextReportsAsItsSchemaFile) {
  AttributeTable names;
  for (int i = 0; i < MaxAttributes; ++i)
    names[i] = "K\u016f\u0148 \u010d. " + std::to_string(i + 1);
  std::vector<AttributeIndex> all(MaxAttributes);
  for (int i = 0; i < MaxAttributes; ++i)
    all[i] = static_cast<AttributeIndex>(i);
  DependencyList records;
  records.push_back(NewDependency(all, 0));
  for (int i = 1; i < DbcMaxEntries; ++i) {
    const auto a = static_cast<AttributeIndex>(i % MaxAttributes);
    const auto b = static_cast<AttributeIndex>((i * 7 + 3) % MaxAttributes);
    auto rhs = static_cast<AttributeIndex>((i * 3 + 11) % MaxAttributes);
    while (rhs == a || rhs == b)
      rhs = static_cast<AttributeIndex>((rhs + 1) % MaxAttributes);
    records.push_back(a == b ? NewDependency({a}, rhs) : NewDependency({b, a}, rhs));
  }
  Schema schema;
  schema.SetAttributes(names);
  schema.ReplaceDependencies(records);
  const QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("velke.dbc"));
  const QString text = dir.filePath(QStringLiteral("velke.txt"));
  const auto write = [](const QString& path, const QByteArray& bytes) {
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    ASSERT_EQ(out.write(bytes), bytes.size());
  };
  write(file, SchemaFile::Bytes(schema));
  write(text, std::get<QByteArray>(SchemaFile::TextBytes(schema, QStringLiteral("velke"))));
  for (const QString& kind : ReportKindNames()) {
    SCOPED_TRACE(kind.toStdString());
    const ProgramRun fromFile = RunProgram({"--report", kind, file});
    const ProgramRun fromText = RunProgram({"--report", kind, text});
    EXPECT_EQ(fromFile.status, 0) << fromFile.err.toStdString();
    EXPECT_FALSE(fromFile.out.isEmpty());
    EXPECT_EQ(fromText.out, fromFile.out);
    EXPECT_EQ(QString(fromText.err).replace(text, file), fromFile.err);
  }
}

TEST(SchemaReports, NumberLabels) {
  const NumberLabel three{3, {}};
  const NumberLabel join{std::nullopt, {three, NumberLabel{5, {}}}};
  const struct {
    NumberLabel label;
    const char* text;
  } cases[] = {
      {NumberLabel{}, ""},
      {NumberLabel{0, {}}, "0"},
      {join, "Schema 3+5"},
      {NumberLabel{std::nullopt, {NumberLabel{4, {}}, join}}, "Schema 4+Schema 3+5"},
      {NumberLabel{6, {three, NumberLabel{1, {}}}}, "Schema 6: 3+1"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NumberLabelText(c.label), QString::fromLatin1(c.text));
  const Translators czech(Language::Czech);
  EXPECT_EQ(NumberLabelText(NumberLabel{6, {three, join}}),
            QStringLiteral(u"Schéma 6: 3+Schéma 3+5"));
}

TEST(BatchReports, VersionNeedsNoDisplay) {
  const ProgramRun run = RunProgram({QStringLiteral("--version")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, QStringLiteral("Schemario %1\n").arg(ProgramVersion()));
}

}  // namespace

// The decomposition and synthesis reports, line by line as the print window
// and the batch mode show them.
namespace decomposition_report {

using ScriptedDialog = ScriptedDecompositionDialog;

std::vector<std::string> Block(const std::string& number, const std::string& attributes,
                               const std::vector<std::string>& deps,
                               const std::vector<std::string>& keys, const char* normalForm) {
  std::vector<std::string> lines = {
      " ", "SCHEMA " + number + ":", " ", "ATRIBUTY:", " ", attributes, " ", "ZAVISLOSTI:", " "};
  lines.insert(lines.end(), deps.begin(), deps.end());
  lines.insert(lines.end(), {" ", "KLICE:", " "});
  lines.insert(lines.end(), keys.begin(), keys.end());
  lines.insert(lines.end(), {" ", "NORMALNI FORMA:", " "});
  if (normalForm != nullptr) lines.push_back(normalForm);
  const std::string rule(42, '-');
  lines.insert(lines.end(), {" ", rule, rule});
  return lines;
}

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const std::vector<std::string>& p : parts)
    all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(DecompositionReport, BeforeAndAfterTheFirstSplit) {
  DecompositionState state = LoadedDecomposition("ABC", "A->B; B->C");
  const std::vector<std::string> root =
      Block("0", "A ;B ;C ;", {"A -> B", "B -> C"}, {"A "}, " Schema je ve druhe normalni forme");
  EXPECT_EQ(TextLines(ResultSchemasReport(state)), root);
  EXPECT_EQ(TextLines(DecompositionCourseReport(state)), Joined({{"PUVODNI SCHEMA:"}, root}));

  ScriptedDialog dialog;
  ASSERT_TRUE(Split(state, 0, "B->C", dialog));
  const std::vector<std::string> left =
      Block("1", "B ;C ;", {"B -> C"}, {"B "}, " Schema je v BCNF");
  const std::vector<std::string> right =
      Block("2", "A ;B ;", {"A -> B"}, {"A "}, " Schema je v BCNF");
  EXPECT_EQ(TextLines(ResultSchemasReport(state)), Joined({left, right}));
  const std::string origin =
      "Nasledujici schema vzniklo dekompozici schematu 0 podle zavislosti B -> C";
  EXPECT_EQ(TextLines(DecompositionCourseReport(state)),
            Joined({{"PUVODNI SCHEMA:"}, root, {origin}, left, {origin}, right}));
}

TEST(DecompositionReport, OriginLinesOfDeeperAddedAndProjectionSchemas) {
  ScriptedDialog dialog;
  DecompositionState state = WithAddedSchemas(dialog);
  dialog.AddProjections(state);
  std::vector<std::string> origins;
  for (const std::string& line : TextLines(DecompositionCourseReport(state))) {
    if (line.rfind("PUVODNI", 0) == 0 || line.rfind("Nasledujici", 0) == 0) origins.push_back(line);
  }
  EXPECT_EQ(origins,
            (std::vector<std::string>{
                "PUVODNI SCHEMA:",
                "Nasledujici schema vzniklo dekompozici schematu 0 podle zavislosti E -> D + B",
                "Nasledujici schema vzniklo dekompozici schematu 0 podle zavislosti E -> D + B",
                "Nasledujici schema vzniklo dekompozici schematu 2 podle zavislosti F -> A",
                "Nasledujici schema vzniklo dekompozici schematu 2 podle zavislosti F -> A",
                "Nasledujici schema vzniklo pridanim chybejicich zavislosti.",
                "Nasledujici schema vzniklo pridanim chybejicich zavislosti.",
                "Nasledujici schema vzniklo projekci schemat (Schema 6+3+5 ).",
            }));
  const std::vector<std::string> results = TextLines(ResultSchemasReport(state));
  std::vector<std::string> headings;
  for (const std::string& line : results) {
    if (line.rfind("SCHEMA ", 0) == 0) headings.push_back(line);
  }
  EXPECT_EQ(headings, (std::vector<std::string>{"SCHEMA 1:", "SCHEMA 4:", "SCHEMA 6+3+5:"}));
}

TEST(DecompositionReport, ASchemaWithoutDependencies) {
  const DecompositionState state = LoadedDecomposition("AB", "");
  EXPECT_EQ(TextLines(ResultSchemasReport(state)),
            Block("0", "A ;B ;", {}, {"A B "}, " Schema je v BCNF"));
}

}  // namespace decomposition_report

namespace synthesis_report {

using Lines = std::vector<std::string>;
using ScriptedDialog = ScriptedSynthesisDialog;

TEST(SynthesisReport, LineByLine) {
  SynthesisState state = LoadedSynthesis("ABC", "A->B; B->C");
  const Lines rule = {std::string(42, '-'), std::string(42, '-')};
  const auto block = [&rule](const std::string& heading, const char* members, Lines deps,
                             Lines keys, const char* nf) {
    Lines out = {" "};
    if (!heading.empty()) out.push_back(heading);
    out.insert(out.end(), {" ", "ATRIBUTY:", " ", members, " ", "ZAVISLOSTI:", " "});
    out.insert(out.end(), deps.begin(), deps.end());
    out.insert(out.end(), {" ", "KLICE:", " "});
    out.insert(out.end(), keys.begin(), keys.end());
    out.insert(out.end(), {" ", "NORMALNI FORMA:", " "});
    if (*nf != 0) out.push_back(nf);
    out.push_back(" ");
    out.insert(out.end(), rule.begin(), rule.end());
    return out;
  };
  // The starting schema has no number; the course's heading names it.
  const Lines start =
      block("", "A ;B ;C ;", {"A -> B", "B -> C"}, {"A "}, " Schema je ve druhe normalni forme");

  // Before the split the starting schema is the only result.
  EXPECT_EQ(TextLines(SynthesisResultReport(state)), start);
  Lines course = {"PUVODNI SCHEMA:"};
  course.insert(course.end(), start.begin(), start.end());
  EXPECT_EQ(TextLines(SynthesisCourseReport(state)), course);

  ScriptedDialog dialog;
  dialog.Split(state);
  const Lines one = block("SCHEMA 1:", "A ;B ;", {"A -> B"}, {"A "}, " Schema je v BCNF");
  const Lines two = block("SCHEMA 2:", "B ;C ;", {"B -> C"}, {"B "}, " Schema je v BCNF");
  Lines results = one;
  results.insert(results.end(), two.begin(), two.end());
  EXPECT_EQ(TextLines(SynthesisResultReport(state)), results);

  const char* split = "Nasledujici schema vzniklo rozlozenim podle levych stran";
  course.push_back(split);
  course.insert(course.end(), one.begin(), one.end());
  course.push_back(split);
  course.insert(course.end(), two.begin(), two.end());
  EXPECT_EQ(TextLines(SynthesisCourseReport(state)), course);
}

TEST(SynthesisReport, NameMergedAndProjectionSchemas) {
  SynthesisState state = SynthesisFromMainWindow("ABCD", "A->B; B->A; A->C; C->D");
  ScriptedDialog dialog;
  dialog.Split(state);
  dialog.Merge(state);
  const Lines course = TextLines(SynthesisCourseReport(state));
  const auto at = [&course](const std::string& line) {
    return std::find(course.begin(), course.end(), line) - course.begin();
  };
  const auto merged = at("Nasledujici schema vzniklo sloucenim schemat s ekvivalentnimi klici.");
  ASSERT_LT(merged, static_cast<long>(course.size()));
  EXPECT_EQ(course[merged + 2], "SCHEMA 4 (1+3):");

  // A schema without dependencies has an empty dependency block.
  SynthesisState keysOnly = LoadedSynthesis("ABC", "");
  dialog.Split(keysOnly);
  const Lines report = TextLines(SynthesisResultReport(keysOnly));
  ASSERT_GE(report.size(), 10u);
  EXPECT_EQ(Lines(report.begin() + 4, report.begin() + 10),
            (Lines{"A ;B ;C ;", " ", "ZAVISLOSTI:", " ", " ", "KLICE:"}));
}

}  // namespace synthesis_report

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
