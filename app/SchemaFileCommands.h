#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>

#include "Schema.h"
#include "SchemaFile.h"

class MessageService;
class FileDialogService;

// Reads and writes schema files: asks for the file, reports every failure to
// the user itself, and tells the caller exactly what is on the disk. It holds
// no schema and no file name between calls.
class SchemaFileCommands final {
  Q_DECLARE_TR_FUNCTIONS(SchemaFileCommands)

 public:
  SchemaFileCommands(MessageService& messages, FileDialogService& dialogs);

  // Asks for a file and reads it; nothing when cancelled or refused.
  std::optional<OpenedSchema> ReadSchemaFile();
  // Reads the file at `path`, telling the user why when it is refused.
  std::optional<OpenedSchema> ReadSchemaFileAt(const QString& path);
  // True when the file at `path` now holds the whole schema.
  bool SaveSchema(const QString& path, const Schema& schema);
  // Asks for a name and writes there; the path written, or nothing when
  // cancelled or failed.
  std::optional<QString> SaveSchemaAs(const Schema& schema);
  // Asks for a name and writes the schema there as a text; the path written,
  // or nothing when cancelled or failed. The text opens with "# title".
  std::optional<QString> SaveSchemaAsText(const Schema& schema, const QString& title);

 private:
  // `openFailure` is the message for a file that cannot be opened.
  bool WriteSchema(const QString& path, const Schema& schema, const QString& openFailure);
  bool WriteBytes(const QString& path, const QByteArray& bytes, const QString& openFailure);
  // Whether `path` may be written: it does not exist, or the user agrees.
  bool MayOverwrite(const QString& path);

  MessageService& messages_;
  FileDialogService& dialogs_;
};
