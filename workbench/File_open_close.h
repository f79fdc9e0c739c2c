#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>

#include "DbcFormat.h"
#include "Schema.h"

class MessageService;
class FileDialogService;

// Default folder of the program's file dialogs, relative to the working
// directory.
inline const QString DefaultFolder = QStringLiteral("../Soubory");

// Names are stored in the file in Windows-1250, the Czech single-byte set.
// Nothing when the text holds a character that the set cannot hold.
std::optional<std::string> EncodeNameForFile(const QString& name);
QString DecodeNameFromFile(const std::string& bytes);

// A schema file as read, for the caller to install.
struct OpenedSchema {
  QString path;
  AttributeTable names;
  DependencyList dependencies;
};

// Reads and writes schema files: asks for the file, reports every failure to
// the user itself, and tells the caller exactly what is on the disk. It holds
// no schema and no file name between calls.
class File_open_close final {
  Q_DECLARE_TR_FUNCTIONS(File_open_close)

 public:
  File_open_close(MessageService& messages, FileDialogService& dialogs);

  // Asks for a file and reads it; nothing when cancelled or refused.
  std::optional<OpenedSchema> ReadSchemaFile();
  // True when the file at `path` now holds the whole schema.
  bool SaveSchema(const QString& path, const Schema& schema);
  // Asks for a name and writes there; the path written, or nothing when
  // cancelled or failed.
  std::optional<QString> SaveSchemaAs(const Schema& schema);

 private:
  // `openFailure` is the message for a file that cannot be opened.
  bool WriteSchema(const QString& path, const Schema& schema, const QString& openFailure);
  static QString ReasonText(const DbcRefusal& refusal);
  // The position counts bytes from 1, as a text editor counts columns.
  static QString RefusalText(const DbcRefusal& refusal);

  MessageService& messages_;
  FileDialogService& dialogs_;
};
