#include "GuiTestSupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTimer>

#include "Display.h"
#include "TForm_Print.h"

QStringList PrintedReport(TestBench& t, QWidget& window, const char* action, bool* shown) {
  TForm_Print& print = t.windows.Print();
  QStringList report = {QStringLiteral("<print window not shown>")};
  bool seen = false;
  QTimer::singleShot(0, &print, [&] {
    if (!print.isVisible()) return;
    seen = true;
    report = MemoLines(*Find<QPlainTextEdit>(print, "Memo1"));
    print.reject();
  });
  Find<QAction>(window, action)->trigger();
  // A window that never opened leaves the check pending; it runs here, not
  // after this function has returned.
  QCoreApplication::processEvents();
  if (shown != nullptr) *shown = seen;
  return report;
}

QStringList MemoLines(const QPlainTextEdit& memo) {
  const QString text = memo.toPlainText();
  if (text.isEmpty() && memo.document()->blockCount() <= 1) return {};
  return text.split(QLatin1Char('\n'));
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write test file");
  file.write(bytes);
}

QByteArray ReadFileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray("<missing>");
  return file.readAll();
}
