#include "File_open_close.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include "Display.h"
#include "Platform.h"
#include "WholeFileWrite.h"

namespace {

const char* const kFileCharset = "windows-1250";
const QString kSaveFilter = QStringLiteral("Schemario|*.DBC");
const QString kSuffix = QStringLiteral("dbc");

bool HasSchemaSuffix(const QString& path) {
  return QFileInfo(path).suffix().compare(kSuffix, Qt::CaseInsensitive) == 0;
}

}  // namespace

std::optional<std::string> EncodeNameForFile(const QString& name) {
  QStringEncoder encoder(kFileCharset);
  const QByteArray bytes = encoder.encode(name);
  if (encoder.hasError()) return std::nullopt;
  return bytes.toStdString();
}

QString DecodeNameFromFile(const std::string& bytes) {
  QStringDecoder decoder(kFileCharset);
  return decoder.decode(QByteArray::fromStdString(bytes));
}

QString File_open_close::ReasonText(const DbcRefusal& refusal) {
  using Reason = DbcRefusal::Reason;
  const QString detail = QString::number(refusal.detail);
  switch (refusal.reason) {
    case Reason::TooLarge:
      return tr("soubor je vetsi nez %1 bajtu").arg(detail);
    case Reason::NoSeparator:
      return tr("chybi znak : za jmeny atributu");
    case Reason::UnterminatedName:
      return tr("jmeno atributu nekonci znakem ;");
    case Reason::TooManyNames:
      return tr("vice nez %1 atributu").arg(detail);
    case Reason::NotADigit:
      return tr("misto cislice je znak s kodem %1").arg(detail);
    case Reason::MissingNumber:
      return tr("chybi index atributu");
    case Reason::MissingBlank:
      return tr("za indexem na leve strane chybi mezera");
    case Reason::MissingDash:
      return tr("zavislost nema znak -");
    case Reason::IndexOutOfRange:
      return tr("index %1 neoznacuje zadny atribut").arg(detail);
    case Reason::TooManyLhs:
      return tr("vice nez %1 atributu na leve strane").arg(detail);
    case Reason::TooManyDependencies:
      return tr("vice nez %1 zavislosti").arg(detail);
    case Reason::UnterminatedDependency:
      return tr("zavislost nekonci znakem ;");
  }
  return QString();
}

QString File_open_close::RefusalText(const DbcRefusal& refusal) {
  return tr("bajt %1: %2").arg(refusal.offset + 1).arg(ReasonText(refusal));
}

File_open_close::File_open_close(MessageService& messages, FileDialogService& dialogs)
    : messages_(messages), dialogs_(dialogs) {}

bool File_open_close::WriteSchema(const QString& path, const Schema& schema,
                                      const QString& openFailure) {
  NameBytes names;
  for (std::size_t i = 0; i < names.size(); ++i) {
    // The editors only accept names the character set can hold, so the
    // replacement bytes of a failed conversion never reach a file in practice.
    QStringEncoder encoder(kFileCharset);
    names[i] = QByteArray(encoder.encode(ToText(schema.attributes[i]))).toStdString();
  }
  const std::string bytes = WriteSchemaBytes(names, schema.dependencies);
  switch (WriteWholeFile(path, QByteArray::fromStdString(bytes))) {
    case WriteOutcome::Written:
      return true;
    case WriteOutcome::NotOpened:
      messages_.Inform(openFailure);
      return false;
    case WriteOutcome::NotWritten:
      messages_.Inform(QStringLiteral("Chyba v zapisu do souboru"));
      return false;
  }
  return false;
}

bool File_open_close::SaveSchema(const QString& path, const Schema& schema) {
  return WriteSchema(path, schema, QStringLiteral("Problem s otevrenim souboru pro zapis"));
}

std::optional<QString> File_open_close::SaveSchemaAs(const Schema& schema) {
  std::optional<QString> chosen = dialogs_.GetSaveFileName(
      {QStringLiteral("File_Save_1"), QString(), DefaultFolder, kSaveFilter});
  if (!chosen) return std::nullopt;
  QString path = *chosen;
  // Open takes any file whose own suffix is "dbc" in any case, so only a
  // name without it gets one; a ".dbc" elsewhere in the path does not count.
  if (!HasSchemaSuffix(path)) path += QLatin1Char('.') + kSuffix;
  // Asked about the file that will really be written, so that choosing "x"
  // never overwrites an existing "x.dbc" unasked.
  if (QFileInfo::exists(path) &&
      !messages_.AskYesNo(QStringLiteral("Soubor existuje mam ho prepsat?"))) {
    return std::nullopt;
  }
  if (!WriteSchema(path, schema, QStringLiteral("Tento soubor nejde otevrit"))) {
    return std::nullopt;
  }
  return path;
}

std::optional<OpenedSchema> File_open_close::ReadSchemaFile() {
  std::optional<QString> chosen = dialogs_.GetOpenFileName(
      {QStringLiteral("File_Open_1"), QString(), DefaultFolder, QString()});
  if (!chosen) return std::nullopt;
  const QString path = *chosen;
  if (!HasSchemaSuffix(path)) {
    messages_.Inform(QStringLiteral("Zkousite otevrit spatny soubor. Chci priponu .dbc"));
    return std::nullopt;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    messages_.Inform(QStringLiteral("Chyba pri cteni ze souboru"));
    return std::nullopt;
  }
  // One byte beyond the largest file taken is enough to refuse a larger one.
  const QByteArray bytes = file.read(static_cast<qint64>(DbcMaxFileBytes) + 1);
  const QString failure = QStringLiteral("Chyba pri otevirani souboru");
  if (file.error() != QFileDevice::NoError) {
    messages_.Show(ProgramCaption, failure, MessageButtons::OkCancel);
    return std::nullopt;
  }
  DbcReadResult read = ReadSchemaBytes(std::string_view(bytes.constData(), bytes.size()));
  if (const auto* refusal = std::get_if<DbcRefusal>(&read)) {
    messages_.Show(ProgramCaption, failure + QLatin1Char('\n') + RefusalText(*refusal),
                   MessageButtons::OkCancel);
    return std::nullopt;
  }
  DbcContents& contents = std::get<DbcContents>(read);
  OpenedSchema opened{path, {}, std::move(contents.dependencies)};
  for (std::size_t i = 0; i < opened.names.size(); ++i) {
    opened.names[i] = FromText(DecodeNameFromFile(contents.names[i]));
  }
  return opened;
}
