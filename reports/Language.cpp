#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

const QString kSettingsKey = QStringLiteral("language");
const QString kOption = QStringLiteral("--lang");

}  // namespace

QStringList LanguageNames() {
  return {QStringLiteral("cs"), QStringLiteral("cs_ascii"), QStringLiteral("en")};
}

QString LanguageName(Language language) {
  switch (language) {
    case Language::Czech:
      return QStringLiteral("cs");
    case Language::CzechAscii:
      return QStringLiteral("cs_ascii");
    case Language::English:
      return QStringLiteral("en");
  }
  return QString();
}

std::optional<Language> LanguageNamed(const QString& name) {
  for (Language language : {Language::Czech, Language::CzechAscii, Language::English}) {
    if (LanguageName(language) == name) return language;
  }
  return std::nullopt;
}

Language LanguageOfLocale(const QLocale& locale) {
  return locale.language() == QLocale::Czech ? Language::Czech : Language::English;
}

Language SavedLanguage(const QSettings& settings, const QLocale& locale) {
  return LanguageNamed(settings.value(kSettingsKey).toString()).value_or(LanguageOfLocale(locale));
}

void SaveLanguage(QSettings& settings, Language language) {
  settings.setValue(kSettingsKey, LanguageName(language));
}

std::optional<Language> RequestedLanguage(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--")) break;
    if (argument == kOption && i + 1 < arguments.size()) return LanguageNamed(arguments[i + 1]);
    if (argument.startsWith(kOption + QLatin1Char('=')))
      return LanguageNamed(argument.mid(kOption.size() + 1));
  }
  return std::nullopt;
}

Translators::Translators(Language language) {
  if (language == Language::CzechAscii) return;
  const QString name = LanguageName(language);
  // Every language the program offers has its translation built in.
  if (program_.load(QStringLiteral(":/i18n/schemario_") + name))
    QCoreApplication::installTranslator(&program_);
  // Qt's own texts (standard buttons, file dialogs) come with the system's
  // Qt translations, where they are installed.
  if (toolkit_.load(QStringLiteral("qtbase_") + name,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&toolkit_);
}
