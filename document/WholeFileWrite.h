#pragma once

#include <QByteArray>
#include <QString>

enum class WriteOutcome {
  Written,     // the file holds exactly the bytes
  NotOpened,   // nothing was written; the file at the path is as it was
  NotWritten,  // writing failed on the way; the file at the path is as it was
};

// Replaces the file at `path` with `bytes`. The bytes go to a temporary file
// beside the target, which is renamed over it only when every byte is on the
// disk, so that a full disk or a file size limit never leaves a cut or empty
// file in place of the old one. Where the folder takes no new file but the
// file itself is writable, the file is written in place, after the room for
// the new bytes is reserved, and a failure leaves the old bytes in it.
WriteOutcome WriteWholeFile(const QString& path, const QByteArray& bytes);
