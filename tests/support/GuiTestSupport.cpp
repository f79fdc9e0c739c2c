#include "GuiTestSupport.h"

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>

#include "Display.h"
#include "ReportWindow.h"

QStringList PrintedReport(TestBench& t, QWidget& window, const char* action, bool* shown) {
  ReportWindow& print = t.windows.reportWindow();
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
  // Schema data is read as the program saves it, not in its display form.
  const QString text = Unbreakable(memo.toPlainText());
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

bool RunInChild(long fileSizeLimit, bool unprivileged, const std::function<bool()>& body) {
  const pid_t child = fork();
  if (child < 0) qFatal("fork failed");
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    if (fileSizeLimit >= 0) {
      const rlimit limit{static_cast<rlim_t>(fileSizeLimit), static_cast<rlim_t>(fileSizeLimit)};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(2);
    }
    constexpr uid_t kNobody = 65534;
    if (unprivileged && geteuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
      _exit(3);
    }
    // _exit: the copy must not run the parent's clean-up or report leaks of
    // objects the parent still owns.
    _exit(body() ? 0 : 1);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) qFatal("waitpid failed");
  if (!WIFEXITED(status)) qWarning("child ended by signal %d", WTERMSIG(status));
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

QString WritableFileInReadOnlyFolder(const QTemporaryDir& top, const char* name,
                                     const QByteArray& bytes) {
  constexpr QFile::Permissions kEnter = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
  constexpr QFile::Permissions kWriteAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                           QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
  const QString folder = top.filePath(QStringLiteral("ro"));
  QString path = folder + QLatin1Char('/') + QString::fromLatin1(name);
  if (!QDir().mkdir(folder)) qFatal("cannot make the test folder");
  WriteFileBytes(path, bytes);
  // The temporary folder itself admits only its owner; the unprivileged user
  // must be able to pass through it.
  if (!QFile::setPermissions(top.path(), kEnter | QFile::WriteOwner) ||
      !QFile::setPermissions(path, kWriteAll) || !QFile::setPermissions(folder, kEnter)) {
    qFatal("cannot set test file permissions");
  }
  return path;
}
