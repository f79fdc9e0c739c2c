#include "SchemaFileCommands.h"

#include <QFileInfo>

#include "Platform.h"
#include "WholeFileWrite.h"

namespace {

const QString kSaveFilter = QStringLiteral("Schemario|*.DBC");
const QString kTextFilter = QStringLiteral("Text|*.txt");

}  // namespace

SchemaFileCommands::SchemaFileCommands(MessageService& messages, FileDialogService& dialogs)
    : messages_(messages), dialogs_(dialogs) {}

bool SchemaFileCommands::WriteSchema(const QString& path, const Schema& schema,
                                     const QString& openFailure) {
  // A schema typed or pasted as text may name attributes in any script; the
  // schema file holds the Czech character set only.
  if (const std::optional<QString> name = SchemaFile::UnencodableName(schema.attributes)) {
    messages_.Inform(tr("Jmeno atributu %1 obsahuje znak, ktery soubor .dbc nepojme (kodovani "
                        "Windows-1250). Prejmenujte atribut.")
                         .arg(*name));
    return false;
  }
  return WriteBytes(path, SchemaFile::Bytes(schema), openFailure);
}

bool SchemaFileCommands::WriteBytes(const QString& path, const QByteArray& bytes,
                                    const QString& openFailure) {
  switch (WriteWholeFile(path, bytes)) {
    case WriteOutcome::Written:
      return true;
    case WriteOutcome::NotOpened:
      messages_.Inform(openFailure);
      return false;
    case WriteOutcome::NotWritten:
      messages_.Inform(tr("Chyba v zapisu do souboru"));
      return false;
  }
  return false;
}

bool SchemaFileCommands::SaveSchema(const QString& path, const Schema& schema) {
  return WriteSchema(path, schema, tr("Problem s otevrenim souboru pro zapis"));
}

std::optional<QString> SchemaFileCommands::SaveSchemaAs(const Schema& schema) {
  std::optional<QString> chosen =
      dialogs_.GetSaveFileName({QStringLiteral("File_Save_1"), QString(), kSaveFilter});
  if (!chosen) return std::nullopt;
  // Open takes any file whose own suffix is "dbc" in any case, so only a
  // name without it gets one; a ".dbc" elsewhere in the path does not count.
  const QString path = SchemaFile::WithSchemaSuffix(*chosen);
  // Asked about the file that will really be written, so that choosing "x"
  // never overwrites an existing "x.dbc" unasked.
  if (!MayOverwrite(path) || !WriteSchema(path, schema, tr("Tento soubor nejde otevrit"))) {
    return std::nullopt;
  }
  return path;
}

bool SchemaFileCommands::MayOverwrite(const QString& path) {
  return !QFileInfo::exists(path) || messages_.AskYesNo(tr("Soubor existuje mam ho prepsat?"));
}

std::optional<QString> SchemaFileCommands::SaveSchemaAsText(const Schema& schema,
                                                            const QString& title) {
  // Refused before the dialog, so that nobody picks a name for nothing.
  const std::variant<QByteArray, QString> text = SchemaFile::TextBytes(schema, title);
  if (const auto* refusal = std::get_if<QString>(&text)) {
    messages_.Inform(*refusal);
    return std::nullopt;
  }
  const std::optional<QString> chosen = dialogs_.GetSaveFileName(
      {QStringLiteral("File_Save_Text"), tr("Ulozit jako text"), kTextFilter});
  if (!chosen) return std::nullopt;
  const QString path =
      SchemaFile::HasTextSuffix(*chosen) ? *chosen : *chosen + QStringLiteral(".txt");
  if (!MayOverwrite(path) ||
      !WriteBytes(path, std::get<QByteArray>(text), tr("Tento soubor nejde otevrit"))) {
    return std::nullopt;
  }
  return path;
}

std::optional<OpenedSchema> SchemaFileCommands::ReadSchemaFile() {
  std::optional<QString> chosen =
      dialogs_.GetOpenFileName({QStringLiteral("File_Open_1"), QString(), QString()});
  if (!chosen) return std::nullopt;
  return ReadSchemaFileAt(*chosen);
}

std::optional<OpenedSchema> SchemaFileCommands::ReadSchemaFileAt(const QString& path) {
  SchemaReadResult read = SchemaFile::Read(path);
  if (auto* opened = std::get_if<OpenedSchema>(&read)) return std::move(*opened);
  const SchemaReadFailure& failure = std::get<SchemaReadFailure>(read);
  switch (failure.kind) {
    case SchemaReadFailure::Kind::WrongSuffix:
    case SchemaReadFailure::Kind::NotOpened:
      messages_.Inform(failure.message);
      break;
    case SchemaReadFailure::Kind::NotRead:
    case SchemaReadFailure::Kind::Refused:
      messages_.Show(ProgramCaption, failure.message, MessageButtons::OkCancel);
      break;
  }
  return std::nullopt;
}
