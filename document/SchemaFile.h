#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>
#include <variant>

#include "DbcFormat.h"
#include "Schema.h"

// Names are stored in the file in Windows-1250, the Czech single-byte set.
// Nothing when the text holds a character that the set cannot hold.
std::optional<std::string> EncodeNameForFile(const QString& name);
QString DecodeNameFromFile(const std::string& bytes);

// A schema file as read, for the caller to install.
struct OpenedSchema {
  QString path;
  AttributeTable names;
  DependencyList dependencies;
  // Read from a schema text (.txt, .fd) rather than a schema file: the
  // program opens it as a new schema, since saving writes a schema file.
  bool fromText = false;
};

// Why a schema file was not read. `message` is the whole text the program
// shows; `reason` is what went wrong in one line, for a place that shows only
// that (a refused file: its second line, the byte and the fault).
struct SchemaReadFailure {
  enum class Kind { WrongSuffix, NotOpened, NotRead, Refused };
  Kind kind;
  QString message;
  QString reason;
};

using SchemaReadResult = std::variant<OpenedSchema, SchemaReadFailure>;

// Reading a schema file from a given path, shared by the window program and
// the batch reports so that both take and refuse exactly the same files.
class SchemaFile final {
  Q_DECLARE_TR_FUNCTIONS(SchemaFile)

 public:
  // A schema file (.dbc), or a schema text (.txt, .fd) in the notation of
  // SchemaNotation.h.
  static SchemaReadResult Read(const QString& path);
  // The bytes of the file that holds `schema`; every name must be one the
  // file's character set holds (see UnencodableName).
  static QByteArray Bytes(const Schema& schema);
  // The first name the schema file's character set cannot hold; nothing
  // when every name can be saved.
  static std::optional<QString> UnencodableName(const AttributeTable& names);
  // The schema as a text, or why it cannot be written so that reading gives
  // it back.
  static std::variant<QByteArray, QString> TextBytes(const Schema& schema, const QString& title);
  static bool HasSchemaSuffix(const QString& path);
  // Whether the path names a schema text (.txt or .fd).
  static bool HasTextSuffix(const QString& path);
  // `path`, with ".dbc" added unless its own suffix is already "dbc".
  static QString WithSchemaSuffix(const QString& path);
  // The position counts bytes from 1, as a text editor counts columns.
  static QString RefusalText(const DbcRefusal& refusal);

 private:
  static QString ReasonText(const DbcRefusal& refusal);
};
