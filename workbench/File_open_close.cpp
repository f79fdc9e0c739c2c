#include "File_open_close.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "Display.h"
#include "Platform.h"

namespace {

const char* const kFileCharset = "windows-1250";
const QString kSaveFilter = QStringLiteral("Schemario|*.DBC");
const QString kExtension = QStringLiteral(".dbc");

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

File_open_close::File_open_close(MessageService& messages, FileDialogService& dialogs)
    : messages_(messages), dialogs_(dialogs) {}

bool File_open_close::WriteSchema(QIODevice& device, const DependencyList& dependencies,
                                  const AttributeTable& names) {
  const auto writeAll = [&device](const std::string& bytes) {
    return device.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
           static_cast<qint64>(bytes.size());
  };
  bool ok = true;
  for (const std::string& name : names) {
    if (name.empty()) continue;
    // The editors only accept names the character set can hold, so the
    // replacement bytes of a failed conversion never reach a file in practice.
    QStringEncoder encoder(kFileCharset);
    const QByteArray bytes = encoder.encode(ToText(name));
    if (!writeAll(EncodeNameEntry(bytes.toStdString()))) {
      messages_.Inform(QStringLiteral("Chyba v zapisu do souboru"));
      ok = false;
    }
  }
  if (!writeAll(":")) ok = false;
  for (const Dependency& d : dependencies) {
    if (!writeAll(EncodeDependencyEntry(d))) {
      messages_.Show(QString(), QStringLiteral("Error write"), MessageButtons::Ok);
      ok = false;
    }
  }
  return ok;
}

bool File_open_close::WriteFile(const QString& path, const Schema& schema,
                                const QString& openFailure) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    messages_.Inform(openFailure);
    return false;
  }
  if (!WriteSchema(file, schema.dependencies, schema.attributes)) {
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    messages_.Inform(QStringLiteral("Chyba v zapisu do souboru"));
    return false;
  }
  // The file is written in full, but Open would refuse it: the student
  // should know before relying on it.
  if (!FitsReaderLimits(schema.dependencies)) {
    messages_.Inform(QStringLiteral(
        "Schema ma vice nez 30 zavislosti nebo zavislost s vice nez 7 atributy na leve strane. "
        "Soubor byl ulozen, ale nepujde znovu otevrit."));
  }
  return true;
}

bool File_open_close::SaveSchemaTo(const QString& path, const Schema& schema) {
  return WriteFile(path, schema, QStringLiteral("Problem s otevrenim souboru pro zapis"));
}

std::optional<QString> File_open_close::SaveSchemaAs(const Schema& schema) {
  std::optional<QString> chosen = dialogs_.GetSaveFileName(
      {QStringLiteral("File_Save_1"), QString(), DefaultFolder, kSaveFilter});
  if (!chosen) return std::nullopt;
  QString path = *chosen;
  if (!path.contains(kExtension)) path += kExtension;
  // Asked about the file that will really be written, so that choosing "x"
  // never overwrites an existing "x.dbc" unasked.
  if (QFileInfo::exists(path) &&
      !messages_.AskYesNo(QStringLiteral("Soubor existuje mam ho prepsat?"))) {
    return std::nullopt;
  }
  if (!WriteFile(path, schema, QStringLiteral("Tento soubor nejde otevrit"))) return std::nullopt;
  return path;
}

std::optional<OpenedSchema> File_open_close::ReadSchemaFile() {
  std::optional<QString> chosen = dialogs_.GetOpenFileName(
      {QStringLiteral("File_Open_1"), QString(), DefaultFolder, QString()});
  if (!chosen) return std::nullopt;
  const QString path = *chosen;
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  if (dot < 0 || path.mid(dot) != kExtension) {
    messages_.Inform(QStringLiteral("Zkousite otevrit spatny soubor. Chci priponu .dbc"));
    return std::nullopt;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    messages_.Inform(QStringLiteral("Chyba pri cteni ze souboru"));
    return std::nullopt;
  }
  // A schema file is a few hundred bytes; anything this large is not one.
  constexpr qint64 kLargestFile = 1 << 20;
  const QByteArray bytes = file.read(kLargestFile + 1);
  const bool readFailed = file.error() != QFileDevice::NoError;
  file.close();
  std::optional<DbcContents> contents;
  if (!readFailed && bytes.size() <= kLargestFile) {
    contents = ReadSchemaBytes(std::string_view(bytes.constData(), bytes.size()));
  }
  if (!contents) {
    messages_.Show(ProgramCaption, QStringLiteral("Chyba pri otevirani souboru"),
                   MessageButtons::OkCancel);
    return std::nullopt;
  }
  OpenedSchema opened{path, {}, std::move(contents->dependencies)};
  for (std::size_t i = 0; i < opened.names.size(); ++i) {
    opened.names[i] = FromText(DecodeNameFromFile(contents->names[i]));
  }
  return opened;
}
