#include "WholeFileWrite.h"

#include "FileDescriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace {

bool WriteAllAt(int fd, const char* data, qint64 size) {
  qint64 done = 0;
  while (done < size) {
    const ssize_t n = ::pwrite(fd, data + done, static_cast<size_t>(size - done), done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

bool ReadAll(int fd, QByteArray& into) {
  qint64 done = 0;
  while (done < into.size()) {
    const ssize_t n =
        ::pread(fd, into.data() + done, static_cast<size_t>(into.size() - done), done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

// The file itself is overwritten where no new file may be made beside it (a
// shared class folder). The room the new bytes need is reserved before a
// byte of the old file is touched, so that a full disk or a file size limit
// refuses the save and keeps the file; should writing still fail, the old
// bytes go back.
WriteOutcome WriteInPlace(const QString& path, const QByteArray& bytes) {
  const FileDescriptor file(
      ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) return WriteOutcome::NotOpened;
  struct stat status {};
  if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return WriteOutcome::NotOpened;
  QByteArray old(static_cast<qsizetype>(status.st_size), Qt::Uninitialized);
  if (!ReadAll(file.get(), old)) return WriteOutcome::NotWritten;
  if (bytes.size() > old.size() &&
      ::posix_fallocate(file.get(), old.size(), bytes.size() - old.size()) != 0) {
    // What a partial reservation added beyond the old end goes again.
    [[maybe_unused]] const int ignored = ::ftruncate(file.get(), old.size());
    return WriteOutcome::NotWritten;
  }
  if (!WriteAllAt(file.get(), bytes.constData(), bytes.size()) ||
      ::ftruncate(file.get(), bytes.size()) != 0 || ::fsync(file.get()) != 0) {
    WriteAllAt(file.get(), old.constData(), old.size());
    [[maybe_unused]] const int ignored = ::ftruncate(file.get(), old.size());
    return WriteOutcome::NotWritten;
  }
  return WriteOutcome::Written;
}

}  // namespace

WriteOutcome WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  // Unbuffered, so that a write the disk refuses fails here, while the old
  // file can still be kept, and not in commit(), which may report success
  // after losing buffered bytes.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    const QFileInfo target(path);
    const bool ownFileOnly =
        target.isFile() && target.isWritable() && !QFileInfo(target.absolutePath()).isWritable();
    return ownFileOnly ? WriteInPlace(path, bytes) : WriteOutcome::NotOpened;
  }
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return WriteOutcome::NotWritten;
  }
  return file.commit() ? WriteOutcome::Written : WriteOutcome::NotWritten;
}
