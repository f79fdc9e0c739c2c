#pragma once

#include <QString>
#include <optional>
#include <string>

#include "DbcFormat.h"
#include "Schema.h"

class QIODevice;
class MessageService;
class FileDialogService;

// Default folder of the program's file dialogs, relative to the working
// directory.
inline const QString DefaultFolder = QStringLiteral("../Soubory");

// Names are stored in the file in Windows-1250, the Czech single-byte set.
// Nothing when the text holds a character that the set cannot hold.
std::optional<std::string> EncodeNameForFile(const QString& name);
QString DecodeNameFromFile(const std::string& bytes);

// Reads and writes the schema file for the main window and remembers the file
// last opened.
class File_open_close {
 public:
  File_open_close(Schema& schema, MessageService& messages, FileDialogService& dialogs);

  // Asks for a file and replaces the schema with its contents; 1 when the
  // schema was replaced, 0 when nothing changed.
  int ReadSchemaFile();
  // Writes to the file last opened, or asks for a name; 1 when written.
  int SaveSchema();
  // Asks for a name and writes there; 1 when written.
  int SaveSchemaAs();
  // Writes the file layout to an open device, reporting failed pieces; false
  // when some piece failed.
  bool WriteSchema(QIODevice& device, const DependencyList& dependencies,
                   const AttributeTable& names);
  void ForgetFileName(int flag);

  const QString& currentFileName() const { return currentFileName_; }

 private:
  // Writes the whole file through a temporary file, so that a failed write
  // leaves the previous file intact; `openFailure` is the message for a file
  // that cannot be opened.
  int WriteFile(const QString& path, const QString& openFailure);

  Schema& schema_;
  MessageService& messages_;
  FileDialogService& dialogs_;
  QString currentFileName_;
};
