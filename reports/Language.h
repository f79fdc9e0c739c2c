#pragma once

#include <QLocale>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <optional>

// The language of the program's texts. The texts are written in Czech
// without diacritics; the other two languages are translations of them.
enum class Language { Czech, CzechAscii, English };

// The names the command line and the settings use: cs, cs_ascii, en.
QStringList LanguageNames();
QString LanguageName(Language language);
std::optional<Language> LanguageNamed(const QString& name);

// Czech for a Czech locale, English for any other.
Language LanguageOfLocale(const QLocale& locale);

// The language chosen in the main window, or else the locale's.
Language SavedLanguage(const QSettings& settings, const QLocale& locale);
void SaveLanguage(QSettings& settings, Language language);

// The value of a --lang option among the arguments (the program's own path
// first), looked up before the command line is parsed, so that the help and
// the parser's own complaints are already in that language. Nothing when
// the option is missing or names no language.
std::optional<Language> RequestedLanguage(const QStringList& arguments);

// The program's translation and Qt's own for one language, installed on the
// application object (which must exist) for as long as this object lives.
// Czech without diacritics needs none: the program's texts are written so.
class Translators final {
 public:
  explicit Translators(Language language);

 private:
  QTranslator program_;
  QTranslator toolkit_;
};
