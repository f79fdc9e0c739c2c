#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <functional>

#include "Platform.h"

// Saving what a window shows into a file of the user's choice: the save
// dialog, the file's suffix, the question before an existing file is
// replaced, and a whole-file write that keeps the old file when it fails,
// each failure told in a message box.
class FileExport final {
  Q_DECLARE_TR_FUNCTIONS(FileExport)

 public:
  FileExport(MessageService& messages, FileDialogService& files);

  // Asks for the file (`request`), adds `suffix` unless the name has it,
  // and writes what `render` makes. False when cancelled or failed.
  bool Save(const FileDialogRequest& request, const QString& suffix,
            const std::function<QByteArray()>& render);

 private:
  MessageService& messages_;
  FileDialogService& files_;
};
