#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

// Why a file was not read; `reason` is the system's own words for it, or the
// program's where the system saw no fault.
struct FileReadFailure {
  enum class Kind {
    NotOpened,   // missing, no permission, ...
    NotRegular,  // a folder, a named pipe, a device: nothing a schema is kept in
    NotRead,     // opened, but reading failed on the way
  };
  Kind kind;
  QString reason;
};

using FileReadResult = std::variant<QByteArray, FileReadFailure>;

// Reads at most `limit` + 1 bytes of the regular file at `path`, so that a
// caller with a size limit can tell a larger file apart. Anything that is
// not a regular file is refused before a byte is read: opening a named pipe
// for reading would wait for a writer forever.
FileReadResult ReadRegularFile(const QString& path, qint64 limit);
