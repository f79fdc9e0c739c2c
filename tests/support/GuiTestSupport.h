#pragma once

// Shared pieces of the window tests: the whole program's windows on the
// scripted platform, and lookup of controls by name.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "MainWindow.h"
#include "ScriptedProgram.h"

class QPlainTextEdit;

using TestBench = ScriptedProgram;

// An editor prepared from the schema and shown, as the main window does
// before running it modally.
template <typename Editor>
Editor& OpenEditor(Editor& editor) {
  editor.prepare();
  editor.show();
  return editor;
}

// The named child of a window; aborts the test program when it is missing,
// since every later step would be meaningless.
template <typename T>
T* Find(QObject& root, const char* name) {
  T* child = root.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qFatal("control %s not found", name);
  return child;
}

// Runs the window's print command and returns the report the print window
// showed, closing that window again; "<print window not shown>" when it did
// not open. `shown`, if given, says whether it opened.
QStringList PrintedReport(TestBench& t, QWidget& window, const char* action, bool* shown = nullptr);

// The lines of a memo, in order; an empty memo has none.
QStringList MemoLines(const QPlainTextEdit& memo);

void WriteFileBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadFileBytes(const QString& path);

// Runs `body` in a forked copy of the test process and says whether it
// returned true there. The copy may hit a file size limit of
// `fileSizeLimit` bytes (negative: none) as writes that fail, not as a
// signal, and with `unprivileged` it runs as the user "nobody" when the tests
// run as root, so that file permissions hold for it as for a student.
bool RunInChild(long fileSizeLimit, bool unprivileged, const std::function<bool()>& body);

// A file holding `bytes` that everybody may write, in a folder "ro" of `top`
// that nobody may add files to; its path.
QString WritableFileInReadOnlyFolder(const QTemporaryDir& top, const char* name,
                                     const QByteArray& bytes);
