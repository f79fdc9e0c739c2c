#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include "MainWindow.h"
#include "ProgramWindows.h"
#include "ScriptedPlatform.h"

// The whole program's windows on the scripted platform, with the samples of
// the source tree. Its settings are its own, so that tests and benchmarks
// never read or change the user's.
struct ScriptedProgram {
  ScriptedPlatform platform;
  QTemporaryDir settingsDir;
  QSettings settings{settingsDir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
  ProgramWindows windows{platform,
                         platform,
                         platform,
                         platform,
                         platform,
                         settings,
                         QStringLiteral(SCHEMARIO_SAMPLES)};

  MainWindow& main() { return windows.mainWindow(); }
  SchemaDocument& schema() { return windows.mainWindow().Document(); }
};
