#include "WholeFileWrite.h"

#include <QSaveFile>

WriteOutcome WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  file.setDirectWriteFallback(true);
  // Unbuffered, so that a write the disk refuses fails here, while the old
  // file can still be kept, and not in commit(), which may report success
  // after losing buffered bytes.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return WriteOutcome::NotOpened;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return WriteOutcome::NotWritten;
  }
  return file.commit() ? WriteOutcome::Written : WriteOutcome::NotWritten;
}
