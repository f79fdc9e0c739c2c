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

// A schema as read from a file.
struct OpenedSchema {
  QString path;
  AttributeTable names;
  DependencyList dependencies;
};

// Reads and writes schema files for the main window; the schema itself and
// the name of its file belong to the caller.
class File_open_close {
 public:
  File_open_close(MessageService& messages, FileDialogService& dialogs);

  // Asks for a file and reads it; nothing when cancelled or refused (the
  // refusal shown).
  std::optional<OpenedSchema> ReadSchemaFile();
  // Writes the schema to `path`; true when it stands there in full.
  bool SaveSchemaTo(const QString& path, const Schema& schema);
  // Asks for a name and writes there; the path written, or nothing.
  std::optional<QString> SaveSchemaAs(const Schema& schema);
  // Writes the file layout to an open device, reporting failed pieces; false
  // when some piece failed.
  bool WriteSchema(QIODevice& device, const DependencyList& dependencies,
                   const AttributeTable& names);

 private:
  // Writes the whole file through a temporary file, so that a failed write
  // leaves the previous file intact; `openFailure` is the message for a file
  // that cannot be opened.
  bool WriteFile(const QString& path, const Schema& schema, const QString& openFailure);

  MessageService& messages_;
  FileDialogService& dialogs_;
};
