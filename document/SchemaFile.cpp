#include "SchemaFile.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include "FileRead.h"
#include "NotationText.h"
#include "SchemaNotation.h"

namespace {

const char* const kFileCharset = "windows-1250";
const QString kSuffix = QStringLiteral("dbc");
const QStringList kTextSuffixes{QStringLiteral("txt"), QStringLiteral("fd")};

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

bool SchemaFile::HasTextSuffix(const QString& path) {
  return kTextSuffixes.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

std::optional<QString> SchemaFile::UnencodableName(const AttributeTable& names) {
  for (const std::string& name : names) {
    const QString text = QString::fromStdString(name);
    if (!EncodeNameForFile(text)) return text;
  }
  return std::nullopt;
}

std::variant<QByteArray, QString> SchemaFile::TextBytes(const Schema& schema,
                                                        const QString& title) {
  NotationWriteResult written =
      WriteNotation(schema.attributes, schema.dependencies, title.toStdString());
  if (const auto* refusal = std::get_if<NotationWriteRefusal>(&written))
    return NotationText::WriteRefusalText(*refusal);
  return QByteArray::fromStdString(std::get<std::string>(written));
}

bool SchemaFile::HasSchemaSuffix(const QString& path) {
  return QFileInfo(path).suffix().compare(kSuffix, Qt::CaseInsensitive) == 0;
}

QString SchemaFile::WithSchemaSuffix(const QString& path) {
  return HasSchemaSuffix(path) ? path : path + QLatin1Char('.') + kSuffix;
}

QByteArray SchemaFile::Bytes(const Schema& schema) {
  NameBytes names;
  for (std::size_t i = 0; i < names.size(); ++i) {
    // The editors only accept names the character set can hold, so the
    // replacement bytes of a failed conversion never reach a file in practice.
    QStringEncoder encoder(kFileCharset);
    names[i] =
        QByteArray(encoder.encode(QString::fromStdString(schema.attributes[i]))).toStdString();
  }
  return QByteArray::fromStdString(WriteSchemaBytes(names, schema.dependencies));
}

QString SchemaFile::ReasonText(const DbcRefusal& refusal) {
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

QString SchemaFile::RefusalText(const DbcRefusal& refusal) {
  return tr("bajt %1: %2").arg(refusal.offset + 1).arg(ReasonText(refusal));
}

SchemaReadResult SchemaFile::Read(const QString& path) {
  using Kind = SchemaReadFailure::Kind;
  const bool isText = HasTextSuffix(path);
  if (!HasSchemaSuffix(path) && !isText) {
    const QString text = tr("Zkousite otevrit spatny soubor. Chci priponu .dbc");
    return SchemaReadFailure{Kind::WrongSuffix, text, text};
  }
  FileReadResult file = ReadRegularFile(path, static_cast<qint64>(DbcMaxFileBytes));
  const QString failure = tr("Chyba pri otevirani souboru");
  if (const auto* fault = std::get_if<FileReadFailure>(&file)) {
    switch (fault->kind) {
      case FileReadFailure::Kind::NotOpened: {
        const QString text = tr("Chyba pri cteni ze souboru");
        return SchemaReadFailure{Kind::NotOpened, text + QLatin1Char('\n') + fault->reason,
                                 fault->reason};
      }
      case FileReadFailure::Kind::NotRegular:
        return SchemaReadFailure{Kind::Refused, failure + QLatin1Char('\n') + fault->reason,
                                 fault->reason};
      case FileReadFailure::Kind::NotRead:
        return SchemaReadFailure{Kind::NotRead, failure + QLatin1Char('\n') + fault->reason,
                                 fault->reason};
    }
  }
  const QByteArray& bytes = std::get<QByteArray>(file);
  if (isText) {
    NotationReadResult read = ReadNotation(std::string_view(bytes.constData(), bytes.size()));
    if (const auto* refusal = std::get_if<NotationRefusal>(&read)) {
      const QString reason = NotationText::RefusalText(*refusal);
      return SchemaReadFailure{Kind::Refused, failure + QLatin1Char('\n') + reason, reason};
    }
    NotationSchema& schema = std::get<NotationSchema>(read);
    return OpenedSchema{path, schema.names, std::move(schema.dependencies), true};
  }
  DbcReadResult read = ReadSchemaBytes(std::string_view(bytes.constData(), bytes.size()));
  if (const auto* refusal = std::get_if<DbcRefusal>(&read)) {
    const QString reason = RefusalText(*refusal);
    return SchemaReadFailure{Kind::Refused, failure + QLatin1Char('\n') + reason, reason};
  }
  DbcContents& contents = std::get<DbcContents>(read);
  OpenedSchema opened{path, {}, std::move(contents.dependencies)};
  for (std::size_t i = 0; i < opened.names.size(); ++i) {
    opened.names[i] = DecodeNameFromFile(contents.names[i]).toStdString();
  }
  return opened;
}
