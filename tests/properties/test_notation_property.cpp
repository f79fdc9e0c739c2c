// The schema text on random schemas: what the writer writes reads back the
// same, and any layout of a schema normalises to what the writer writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "BruteForce.h"
#include "PropertyScale.h"
#include "SchemaNotation.h"

namespace {

using Pieces = std::vector<std::string>;

std::string Pick(std::mt19937& rng, const Pieces& pieces) {
  return pieces[rng() % pieces.size()];
}

// Names as the editors make them: Czech letters, blanks inside, 1 to 15
// characters.
const Pieces kLetters = {"a", "b", "z", "K", "Q", "0", "7", "-", ".", "(", "Č",
                         "č", "í", "Í", "ř", "Ř", "š", "ž", "ý", "á", "é", "ú",
                         "ů", "Ů", "ď", "ť", "ň", "ě", "Ě", "ó", "ß", "я"};

std::string EditorName(std::mt19937& rng) {
  const int length = 1 + static_cast<int>(rng() % MaxNameLength);
  std::string name;
  for (int i = 0; i < length; ++i) {
    const bool blank = i > 0 && i + 1 < length && name.back() != ' ' && rng() % 6 == 0;
    name += blank ? " " : Pick(rng, kLetters);
  }
  return name;
}

struct Drawn {
  AttributeTable names;
  DependencyList deps;
  std::string title;
};

// Up to twenty names and ninety records with empty and repeated left-hand
// sides; every tenth schema has every name, the most records and left-hand
// sides of up to every name.
Drawn DrawSchema(std::mt19937& rng, int round) {
  Drawn s;
  const int n = round % 10 == 0 ? MaxAttributes : static_cast<int>(rng() % (MaxAttributes + 1));
  for (int i = 0; i < n;) {
    s.names[i] = EditorName(rng);
    if (std::find(s.names.begin(), s.names.begin() + i, s.names[i]) == s.names.begin() + i) ++i;
  }
  if (round % 10 == 0) {
    while (s.deps.size() < DbcMaxEntries)
      s.deps.splice(s.deps.end(), brute::RandomEdgeDependencies(rng, n, 30, MaxAttributes));
    s.deps.resize(DbcMaxEntries);
  } else if (n > 0) {
    s.deps = brute::RandomEdgeDependencies(rng, n, DbcMaxEntries, 4);
  }
  if (rng() % 2 == 0) s.title = EditorName(rng) + " " + EditorName(rng);
  return s;
}

std::string Normal(std::string_view text) {
  const auto normal = NormaliseNotation(text);
  if (const auto* refusal = std::get_if<NotationRefusal>(&normal)) {
    return "refused at " + std::to_string(refusal->line) + ":" + std::to_string(refusal->column) +
           " " + refusal->detail;
  }
  return std::get<std::string>(normal);
}

// Compared as schema file bytes, which hold the names in their slots and
// every record's left-hand order.
void ExpectSame(const Drawn& s, const NotationReadResult& read) {
  const auto* schema = std::get_if<NotationSchema>(&read);
  ASSERT_NE(schema, nullptr) << "line " << std::get<NotationRefusal>(read).line;
  EXPECT_EQ(WriteSchemaBytes(schema->names, schema->dependencies),
            WriteSchemaBytes(s.names, s.deps));
}

const Pieces kBlanks = {" ", "  ", "\t", " \t ", "\xC2\xA0", "\xE3\x80\x80"};

std::string Padded(std::mt19937& rng, const std::string& name) {
  std::string out = rng() % 2 == 0 ? "" : Pick(rng, kBlanks);
  for (char c : name)
    out += c == ' ' ? Pick(rng, kBlanks) : std::string(1, c);
  return out + (rng() % 2 == 0 ? "" : Pick(rng, kBlanks));
}

std::string NameList(std::mt19937& rng, const std::vector<std::string>& names) {
  std::string out;
  for (std::size_t i = 0; i < names.size(); ++i)
    out += (i == 0 ? "" : ",") + Padded(rng, names[i]);
  return out;
}

std::vector<std::string> LeftNames(const Dependency& d, const AttributeTable& names) {
  std::vector<std::string> out;
  out.reserve(static_cast<std::size_t>(d.LhsCount()));
  for (int i = 0; i < d.LhsCount(); ++i)
    out.push_back(names[d.lhs[i]]);
  return out;
}

// The schema laid out as a person might type it: blanks of any kind and
// number around and inside names, either arrow, records of one left-hand side
// on one line, the attribute line anywhere and in any letter case, comments,
// blank lines, a byte order mark and CR LF line ends.
std::string Messy(std::mt19937& rng, const Drawn& s) {
  std::vector<std::string> lines;
  for (auto it = s.deps.begin(); it != s.deps.end();) {
    std::vector<std::string> rhs;
    const auto lhs = it->lhs;
    for (; it != s.deps.end() && it->lhs == lhs && (rhs.empty() || rng() % 2 == 0); ++it)
      rhs.push_back(s.names[it->Rhs()]);
    const std::string arrow = rng() % 2 == 0 ? "->" : "\xE2\x86\x92";
    std::string line =
        NameList(rng, LeftNames(*std::prev(it), s.names)) + arrow + NameList(rng, rhs);
    if (rng() % 5 == 0) line += Pick(rng, kBlanks) + "# a, b -> c: ;";
    lines.push_back(line);
  }
  std::vector<std::string> listed;
  for (const std::string& name : s.names) {
    if (!name.empty()) listed.push_back(name);
  }
  const Pieces keywords = {"attributes:", "Attributes :", "ATTRIBUTES\t:"};
  const std::size_t at = rng() % (lines.size() + 1);
  lines.insert(lines.begin() + at, Pick(rng, keywords) + NameList(rng, listed));
  for (std::size_t i = rng() % 3; i > 0; --i)
    lines.insert(lines.begin() + 1 + rng() % lines.size(), rng() % 2 == 0 ? "" : " # note");
  if (!s.title.empty()) lines.insert(lines.begin(), "#" + Padded(rng, s.title));
  const std::string end = rng() % 2 == 0 ? "\n" : "\r\n";
  std::string text = rng() % 4 == 0 ? "\xEF\xBB\xBF" : "";
  for (const std::string& line : lines)
    text += line + end;
  return text;
}

TEST(NotationProperty, WrittenSchemasReadBackAndEveryLayoutNormalisesToTheWrittenText) {
  std::mt19937 rng(2192);
  for (int round = 0; round < Rounds(200); ++round) {
    const Drawn s = DrawSchema(rng, round);
    const NotationWriteResult written = WriteNotation(s.names, s.deps, s.title);
    const auto* text = std::get_if<std::string>(&written);
    ASSERT_NE(text, nullptr) << "round " << round;
    ExpectSame(s, ReadNotation(*text));
    EXPECT_EQ(Normal(*text), *text);
    const std::string messy = Messy(rng, s);
    EXPECT_EQ(Normal(messy), *text) << messy;
    if (HasFailure()) return;
  }
}

// Names holding what a name cannot: whatever the writer takes, it writes so
// that the reader gives it back.
const Pieces kHazards = {" ",  "  ",           "\t", ",",  "#",    ";",        ":",    "-",   ">",
                         "->", "\xE2\x86\x92", "\n", "\r", "\x01", "\xC2\xA0", "\xFF", "\xC3"};

TEST(NotationProperty, WhatTheWriterTakesReadsBack) {
  std::mt19937 rng(1250);
  int takenRounds = 0;
  for (int round = 0; round < Rounds(3000); ++round) {
    Drawn s;
    const int n = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < n; ++i) {
      const int pieces = 1 + static_cast<int>(rng() % 8);
      for (int k = 0; k < pieces; ++k)
        s.names[i] += Pick(rng, rng() % 6 == 0 ? kHazards : kLetters);
    }
    s.deps = brute::RandomEdgeDependencies(rng, n, 4, 3);
    const NotationWriteResult written = WriteNotation(s.names, s.deps);
    if (const auto* text = std::get_if<std::string>(&written)) {
      ++takenRounds;
      ExpectSame(s, ReadNotation(*text));
      if (HasFailure()) return;
    }
  }
  EXPECT_GT(takenRounds, Rounds(3000) / 50);
}

}  // namespace
