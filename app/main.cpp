#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QSettings>
#include <QTextStream>

#include "CommandLine.h"
#include "Language.h"
#include "ProgramWindows.h"
#include "QtPlatform.h"
#include "RandomSchemaDialog.h"
#include "Reports.h"

namespace {

void NameTheProgram() {
  QCoreApplication::setApplicationName(QStringLiteral("Schemario"));
  QCoreApplication::setOrganizationName(QStringLiteral("Schemario"));
  QCoreApplication::setApplicationVersion(ProgramVersion());
}

// The language given on the command line, else the one chosen in the main
// window, else the system's.
Language ChosenLanguage(const QStringList& arguments, const QSettings& settings) {
  return RequestedLanguage(arguments).value_or(SavedLanguage(settings, QLocale::system()));
}

// The sample schemas: installed beside the program's share folder, or, for a
// program built in the source tree, the tree's own.
QString SamplesFolder() {
  const QDir program(QCoreApplication::applicationDirPath());
  for (const QString& candidate :
       {QStringLiteral("../share/schemario/Soubory"), QStringLiteral("../Soubory")}) {
    if (program.exists(candidate)) return QDir::cleanPath(program.absoluteFilePath(candidate));
  }
  return QString();
}

// The batch mode and the answers to --help and --version need no display.
int RunWithoutWindows(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  NameTheProgram();
  const QSettings settings;
  const Language language = ChosenLanguage(QCoreApplication::arguments(), settings);
  const Translators translators(language);
  // Unbuffered on the descriptors, so that every write the system refuses
  // (a full disk, a closed pipe) shows in the stream's status.
  QFile standardOutput;
  QFile standardError;
  standardOutput.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
  standardError.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
  QTextStream out(&standardOutput);
  QTextStream err(&standardError);
  const CommandLine line = ParseCommandLine(QCoreApplication::arguments(), out, err);
  int status = line.exitStatus;
  if (line.action == CommandLine::Action::PrintReport) {
    status = RunReport(line.report, line.format, line.files, out, err);
  } else if (line.action == CommandLine::Action::Generate) {
    status = RunAssignments(line.assignments, language, out, err);
  } else if (line.action == CommandLine::Action::Convert) {
    status = RunConversion(line.files.first(), line.target, err);
  } else if (line.action == CommandLine::Action::Derive) {
    status = RunDerivation(line.files.first(), line.dependency, out, err);
  } else {
    out.flush();
    if (out.status() != QTextStream::Ok) status = 1;
  }
  return status;
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  if (!NeedsWindows(arguments)) return RunWithoutWindows(argc, argv);

  QApplication application(argc, argv);
  NameTheProgram();
  QSettings settings;
  const Language language = ChosenLanguage(QApplication::arguments(), settings);
  const Translators translators(language);
  QTextStream out(stdout);
  QTextStream err(stderr);
  const CommandLine line = ParseCommandLine(QApplication::arguments(), out, err);
  if (line.action != CommandLine::Action::OpenWindows) return line.exitStatus;

  QApplication::setQuitOnLastWindowClosed(false);
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/schemario-%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);

  QtPlatform platform(settings);
  int status = 1;
  // A failure while the windows are built would otherwise end the program
  // before any window could say why.
  platform.errors.Run([&] {
    ProgramWindows windows(platform.messages, platform.files, platform.printing, platform.errors,
                           platform.random, settings, SamplesFolder());
    windows.randomSchemaDialog().setNameLanguage(NameLanguageOf(language));
    windows.mainWindow().show();
    if (!line.files.isEmpty()) windows.mainWindow().openFileAt(line.files.first());
    status = QApplication::exec();
  });
  return status;
}
