#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "Assignments.h"
#include "Reports.h"

// What the program was asked to do on its command line.
struct CommandLine {
  enum class Action { OpenWindows, PrintReport, Derive, Convert, Generate, Exit };
  Action action = Action::OpenWindows;
  // The schema to open in the main window (at most one), or the schemas to
  // report on, each in turn.
  QStringList files;
  ReportKind report = ReportKind::Listing;
  ReportFormat format = ReportFormat::Text;
  // Derive: the dependency "X -> Y" to derive in the one schema file.
  QString dependency;
  // Convert: the file the schema of the one file goes to.
  QString target;
  // Generate: the assignments to write.
  AssignmentsRequest assignments;
  // The program's exit status when the action is Exit.
  int exitStatus = 0;
};

// The version the command line and the About window give.
QString ProgramVersion();

// Whether the arguments (the program's own path first) ask for the windows.
// Decided before any application object exists, because the batch mode, the
// help and every complaint about the arguments must work where no display is.
bool NeedsWindows(const QStringList& arguments);

// The exit status of a command line the program cannot follow.
inline constexpr int UsageStatus = 2;

// Reads the arguments (the program's own path first). The help, the version
// and every mistake are written here, to `out` and `err`, and give
// Action::Exit; a mistake is told as "schemario: ..." with a hint to
// --help, and exits with UsageStatus.
CommandLine ParseCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
