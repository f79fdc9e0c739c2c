#include "FileRead.h"

#include "FileDescriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace {

class Texts final {
  Q_DECLARE_TR_FUNCTIONS(FileRead)
};

QString SystemReason(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

FileReadResult ReadRegularFile(const QString& path, qint64 limit) {
  using Kind = FileReadFailure::Kind;
  // Non-blocking, so that opening a named pipe returns at once; the type is
  // then told from the open descriptor, which no rename can swap meanwhile.
  const FileDescriptor file(
      ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) return FileReadFailure{Kind::NotOpened, SystemReason(errno)};
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) return FileReadFailure{Kind::NotRead, SystemReason(errno)};
  if (!S_ISREG(status.st_mode)) {
    return FileReadFailure{Kind::NotRegular, Texts::tr("neni obycejny soubor")};
  }
  QByteArray bytes;
  const qint64 wanted = limit + 1;
  bytes.resize(static_cast<qsizetype>(std::min<qint64>(wanted, status.st_size + 1)));
  qint64 got = 0;
  while (got < wanted) {
    if (got == bytes.size()) bytes.resize(static_cast<qsizetype>(std::min(wanted, 2 * got)));
    const ssize_t n =
        ::read(file.get(), bytes.data() + got, static_cast<size_t>(bytes.size() - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return FileReadFailure{Kind::NotRead, SystemReason(errno)};
    if (n == 0) break;
    got += n;
  }
  bytes.truncate(static_cast<qsizetype>(got));
  return bytes;
}
