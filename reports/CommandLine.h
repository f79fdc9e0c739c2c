#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "Reports.h"

// What the program was asked to do on its command line.
struct CommandLine {
  enum class Action { OpenWindows, PrintReport, Exit };
  Action action = Action::OpenWindows;
  // The schema to open in the main window or to report on; empty for none.
  QString file;
  ReportKind report = ReportKind::Listing;
  // The program's exit status when the action is Exit.
  int exitStatus = 0;
};

// The version the command line and the About window give.
QString ProgramVersion();

// Whether the arguments (the program's own path first) ask for anything that
// needs the windowing system. Decided before any application object exists,
// because the batch mode must start where no display is.
bool NeedsWindows(const QStringList& arguments);

// Reads the arguments (the program's own path first). The help, the version
// and every mistake are written here, to `out` and `err`, and give
// Action::Exit.
CommandLine ParseCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
