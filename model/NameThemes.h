#pragma once

// Attribute names for generated schemas: plain letters or the nouns of a
// topic the students know, in the language of the program's texts. Every
// name is one word of at most MaxNameLength characters (an underscore joins
// two), UTF-8, and made only of characters that the schema file's Czech
// single-byte character set holds.

#include <cstdint>
#include <span>
#include <string_view>

enum class NameTheme : std::uint8_t { Letters, Orders, Timetable, Library };

enum class NameLanguage : std::uint8_t { Czech, CzechAscii, English };

// At least MaxAttributes distinct names. The letters run A, B, C, ... in
// every language; a topic's names are listed in the same order in each
// language, so that the same pick names the same things.
std::span<const std::string_view> ThemeNames(NameTheme theme, NameLanguage language);
