#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "NameThemes.h"
#include "Schema.h"

namespace {

// The code points of UTF-8 text.
std::vector<char32_t> CodePoints(std::string_view text) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : 3;
    char32_t point = length == 1 ? lead : lead & (length == 2 ? 0x1Fu : 0x0Fu);
    for (int k = 1; k < length; ++k)
      point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    points.push_back(point);
    i += static_cast<std::size_t>(length);
  }
  return points;
}

// The Czech letters with diacritics, each with the letter it loses them to;
// all of them are in the file's single-byte character set.
const std::u32string kCzech = U"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
const std::string kPlain = "acdeeinorstuuyzACDEEINORSTUUYZ";

// Every list: enough distinct names, each a word of at most MaxNameLength
// characters the file can hold; the Czech list without diacritics is the
// Czech one stripped, name by name.
TEST(NameThemes, WordsTheFileCanHold) {
  for (NameTheme theme :
       {NameTheme::Letters, NameTheme::Orders, NameTheme::Timetable, NameTheme::Library}) {
    for (NameLanguage language :
         {NameLanguage::Czech, NameLanguage::CzechAscii, NameLanguage::English}) {
      const auto names = ThemeNames(theme, language);
      EXPECT_GE(names.size(), static_cast<std::size_t>(MaxAttributes));
      EXPECT_EQ(std::set<std::string_view>(names.begin(), names.end()).size(), names.size());
      const auto czech = ThemeNames(theme, NameLanguage::Czech);
      ASSERT_EQ(czech.size(), names.size());
      for (std::size_t i = 0; i < names.size(); ++i) {
        const std::vector<char32_t> points = CodePoints(names[i]);
        EXPECT_GE(points.size(), 1u) << names[i];
        EXPECT_LE(points.size(), static_cast<std::size_t>(MaxNameLength)) << names[i];
        for (char32_t c : points) {
          const bool plain = (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || c == U'_';
          const bool czech = language == NameLanguage::Czech && kCzech.find(c) != kCzech.npos;
          EXPECT_TRUE(plain || czech) << names[i];
        }
        if (language != NameLanguage::CzechAscii) continue;
        std::string stripped;
        for (char32_t c : CodePoints(czech[i])) {
          const auto at = kCzech.find(c);
          stripped += at == kCzech.npos ? static_cast<char>(c) : kPlain[at];
        }
        EXPECT_EQ(stripped, names[i]);
      }
    }
  }
}

}  // namespace
