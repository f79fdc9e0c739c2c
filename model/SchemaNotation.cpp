#include "SchemaNotation.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "Renumbering.h"

namespace {

using Reason = NotationRefusal::Reason;
using WriteReason = NotationWriteRefusal::Reason;

constexpr char32_t kArrow = U'\u2192';
constexpr char32_t kReplacement = U'\uFFFD';
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::u32string_view kKeyword = U"attributes";

// Blanks a name may hold inside, shown as one space: the space and tab, and
// the Unicode space separators, which text pasted from elsewhere brings.
bool IsBlank(char32_t c) {
  return c == U' ' || c == U'\t' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
         c == 0x202F || c == 0x205F || c == 0x3000;
}

bool IsControl(char32_t c) {
  return (c < 0x20 && c != U'\t') || (c >= 0x7F && c <= 0x9F);
}

bool IsLineSeparator(char32_t c) {
  return c == 0x2028 || c == 0x2029;
}

// Characters that separate or end names, or that the schema file cannot hold.
bool IsReservedInName(char32_t c) {
  return c == U',' || c == U'#' || c == U';' || c == U':' || c == kArrow || IsControl(c) ||
         IsLineSeparator(c);
}

bool IsTitleGap(char32_t c) {
  return IsBlank(c) || IsControl(c) || IsLineSeparator(c);
}

struct CodePoint {
  char32_t value;
  std::size_t length;
};

// The character whose UTF-8 sequence starts at `pos`; nothing for a byte
// that starts none, a cut-off or overlong sequence, or a surrogate.
std::optional<CodePoint> DecodeAt(std::string_view bytes, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(bytes[pos]);
  if (lead < 0x80) return CodePoint{lead, 1};
  std::size_t length = 0;
  char32_t value = 0;
  // The range of the second byte excludes overlong forms, surrogates and
  // values beyond U+10FFFF.
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0Fu;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07u;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return std::nullopt;
  }
  if (bytes.size() - pos < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(bytes[pos + i]);
    if (next < low || next > high) return std::nullopt;
    low = 0x80;
    high = 0xBF;
    value = (value << 6) | (next & 0x3Fu);
  }
  return CodePoint{value, length};
}

// Appends the characters of `bytes` to `out`; the offset of the first byte
// that is not UTF-8, or nothing when all are.
std::optional<std::size_t> DecodeInto(std::string_view bytes, std::u32string& out) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::optional<CodePoint> c = DecodeAt(bytes, pos);
    if (!c) return pos;
    out += c->value;
    pos += c->length;
  }
  return std::nullopt;
}

std::u32string DecodeReplacing(std::string_view bytes) {
  std::u32string out;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::optional<CodePoint> c = DecodeAt(bytes, pos);
    out += c ? c->value : kReplacement;
    pos += c ? c->length : 1;
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t c) {
  const auto byte = [&out](char32_t bits) { out += static_cast<char>(bits); };
  if (c < 0x80) {
    byte(c);
  } else if (c < 0x800) {
    byte(0xC0 | (c >> 6));
    byte(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    byte(0xE0 | (c >> 12));
    byte(0x80 | ((c >> 6) & 0x3F));
    byte(0x80 | (c & 0x3F));
  } else {
    byte(0xF0 | (c >> 18));
    byte(0x80 | ((c >> 12) & 0x3F));
    byte(0x80 | ((c >> 6) & 0x3F));
    byte(0x80 | (c & 0x3F));
  }
}

std::string ToUtf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text)
    AppendUtf8(out, c);
  return out;
}

// The text trimmed, every run of gap characters inside replaced by a space.
template <typename IsGap>
std::u32string Collapsed(std::u32string_view text, IsGap isGap) {
  std::u32string out;
  bool gap = false;
  for (char32_t c : text) {
    if (isGap(c)) {
      gap = !out.empty();
      continue;
    }
    if (gap) out += U' ';
    gap = false;
    out += c;
  }
  return out;
}

// How a refusal shows a character: itself, or its number when it has no
// picture.
std::string Picture(char32_t c) {
  if (!IsControl(c) && !IsLineSeparator(c)) return ToUtf8(std::u32string(1, c));
  char number[16];
  std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(c));
  return number;
}

std::string ByteText(unsigned char byte) {
  char number[8];
  std::snprintf(number, sizeof number, "0x%02X", static_cast<unsigned>(byte));
  return number;
}

struct Arrow {
  std::size_t at;
  std::size_t length;
};

std::optional<Arrow> FindArrow(std::u32string_view text, std::size_t from, std::size_t end) {
  for (std::size_t i = from; i < end; ++i) {
    if (text[i] == kArrow) return Arrow{i, 1};
    if (text[i] == U'-' && i + 1 < end && text[i + 1] == U'>') return Arrow{i, 2};
  }
  return std::nullopt;
}

char32_t AsciiLower(char32_t c) {
  return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}

// A name as read, and the index of its first character in the line.
struct Name {
  std::string text;
  std::size_t at;
};

// A line and column as a refusal gives them, counted from 1.
struct Position {
  std::size_t line;
  std::size_t column;
};

// Takes a text line by line. Names are resolved as they come, so that a
// refusal names the first fault in reading order.
class NotationReader final {
 public:
  std::optional<NotationRefusal> Take(std::string_view bytes, std::size_t line) {
    line_ = line;
    text_.clear();
    if (const std::optional<std::size_t> bad = DecodeInto(bytes, text_))
      return At(Reason::InvalidUtf8, text_.size(),
                ByteText(static_cast<unsigned char>(bytes[*bad])));
    const std::size_t hash = std::min(text_.find(U'#'), text_.size());
    const std::size_t first = FirstNonBlank(0, hash);
    if (first == hash) {
      if (hash < text_.size() && !pastTitle_)
        title_ = ToUtf8(Collapsed(std::u32string_view(text_).substr(hash + 1), IsTitleGap));
      pastTitle_ = pastTitle_ || hash < text_.size();
      return std::nullopt;
    }
    pastTitle_ = true;
    if (const std::optional<std::size_t> colon = KeywordColon(first, hash))
      return TakeAttributeLine(first, *colon + 1, hash);
    const std::optional<Arrow> arrow = FindArrow(text_, first, hash);
    if (!arrow) {
      const std::size_t colon = text_.find(U':', first);
      if (colon < hash) {
        const std::u32string_view word = std::u32string_view(text_).substr(first, colon - first);
        return At(Reason::UnknownKeyword, first, ToUtf8(Collapsed(word, IsBlank)));
      }
      return At(Reason::MissingArrow, first);
    }
    if (const std::optional<Arrow> second = FindArrow(text_, arrow->at + arrow->length, hash))
      return At(Reason::SecondArrow, second->at);
    return TakeDependencyLine(first, *arrow, hash);
  }

  NotationSchema Finish() {
    NotationSchema schema;
    std::move(names_.begin(), names_.end(), schema.names.begin());
    schema.dependencies = std::move(dependencies_);
    schema.title = std::move(title_);
    return schema;
  }

 private:
  NotationRefusal At(Reason reason, std::size_t index, std::string detail = {}) const {
    return NotationRefusal{reason, line_, index + 1, std::move(detail)};
  }

  std::size_t FirstNonBlank(std::size_t from, std::size_t end) const {
    while (from < end && IsBlank(text_[from]))
      ++from;
    return from;
  }

  // Where the ":" of an attribute line stands, when the line is one.
  std::optional<std::size_t> KeywordColon(std::size_t first, std::size_t end) const {
    if (end - first < kKeyword.size()) return std::nullopt;
    for (std::size_t i = 0; i < kKeyword.size(); ++i) {
      if (AsciiLower(text_[first + i]) != kKeyword[i]) return std::nullopt;
    }
    const std::size_t colon = FirstNonBlank(first + kKeyword.size(), end);
    if (colon == end || text_[colon] != U':') return std::nullopt;
    return colon;
  }

  // Calls take(name) for each comma-separated name in [begin, end), in
  // order, until one refuses.
  template <typename Take>
  std::optional<NotationRefusal> ForEachName(std::size_t begin, std::size_t end, Take take) const {
    std::size_t start = begin;
    for (;;) {
      const std::size_t comma = std::min(text_.find(U',', start), end);
      for (std::size_t i = start; i < comma; ++i) {
        if (IsReservedInName(text_[i])) return At(Reason::ForbiddenCharacter, i, Picture(text_[i]));
      }
      const std::u32string name =
          Collapsed(std::u32string_view(text_).substr(start, comma - start), IsBlank);
      // A missing last name is pointed at by the comma before it, any other
      // by the comma after it.
      if (name.empty()) return At(Reason::EmptyName, comma < end ? comma : start - 1);
      const std::size_t at = FirstNonBlank(start, comma);
      if (name.size() > static_cast<std::size_t>(MaxNameLength))
        return At(Reason::NameTooLong, at, ToUtf8(name));
      if (std::optional<NotationRefusal> refusal = take(Name{ToUtf8(name), at})) return refusal;
      if (comma == end) return std::nullopt;
      start = comma + 1;
    }
  }

  std::optional<NotationRefusal> TakeAttributeLine(std::size_t keyword, std::size_t begin,
                                                   std::size_t end) {
    if (attributeLine_ != 0)
      return At(Reason::SecondAttributeLine, keyword, std::to_string(attributeLine_));
    if (const std::optional<Arrow> arrow = FindArrow(text_, begin, end))
      return At(Reason::ArrowInAttributeLine, arrow->at);
    std::vector<std::string> listed;
    if (FirstNonBlank(begin, end) < end) {
      std::optional<NotationRefusal> refusal = ForEachName(begin, end, [&](Name name) {
        std::optional<NotationRefusal> fault;
        if (std::find(listed.begin(), listed.end(), name.text) != listed.end()) {
          fault = At(Reason::DuplicateAttribute, name.at, std::move(name.text));
        } else if (listed.size() == static_cast<std::size_t>(DbcMaxNames)) {
          fault = At(Reason::TooManyAttributes, name.at, std::to_string(DbcMaxNames));
        } else {
          listed.push_back(std::move(name.text));
        }
        return fault;
      });
      if (refusal) return refusal;
    }
    // The records read so far used the names in the order they appeared;
    // they move to the listed slots.
    AttributeMap map;
    map.fill(NoAttribute);
    for (std::size_t k = 0; k < names_.size(); ++k) {
      const auto found = std::find(listed.begin(), listed.end(), names_[k]);
      if (found == listed.end()) {
        return NotationRefusal{Reason::UnknownAttribute, firstUse_[k].line, firstUse_[k].column,
                               names_[k]};
      }
      map[k] = static_cast<AttributeIndex>(found - listed.begin());
    }
    RenumberDependencies(dependencies_, map);
    names_ = std::move(listed);
    attributeLine_ = line_;
    return std::nullopt;
  }

  std::optional<NotationRefusal> TakeDependencyLine(std::size_t first, Arrow arrow,
                                                    std::size_t end) {
    std::vector<AttributeIndex> lhs;
    if (first < arrow.at) {
      std::optional<NotationRefusal> refusal = ForEachName(first, arrow.at, [&](Name name) {
        if (lhs.size() == static_cast<std::size_t>(DbcMaxLhs))
          return std::optional(At(Reason::TooManyOnLeftSide, name.at, std::to_string(DbcMaxLhs)));
        return Resolve(std::move(name), lhs);
      });
      if (refusal) return refusal;
    }
    const std::size_t begin = arrow.at + arrow.length;
    if (FirstNonBlank(begin, end) == end) return At(Reason::MissingRightSide, arrow.at);
    std::vector<AttributeIndex> rhs;
    return ForEachName(begin, end, [&](Name name) {
      const std::size_t at = name.at;
      std::optional<NotationRefusal> refusal = Resolve(std::move(name), rhs);
      if (!refusal && dependencies_.size() == static_cast<std::size_t>(DbcMaxEntries))
        refusal = At(Reason::TooManyDependencies, at, std::to_string(DbcMaxEntries));
      if (!refusal) dependencies_.push_back(NewDependency(lhs, rhs.back()));
      return refusal;
    });
  }

  // Appends the index of a dependency's name to `indexes`; a name not yet
  // seen takes the next slot unless an attribute line has been read.
  std::optional<NotationRefusal> Resolve(Name name, std::vector<AttributeIndex>& indexes) {
    const auto found = std::find(names_.begin(), names_.end(), name.text);
    if (found == names_.end()) {
      if (attributeLine_ != 0) return At(Reason::UnknownAttribute, name.at, std::move(name.text));
      if (names_.size() == static_cast<std::size_t>(DbcMaxNames))
        return At(Reason::TooManyAttributes, name.at, std::to_string(DbcMaxNames));
      names_.push_back(std::move(name.text));
      firstUse_.push_back(Position{line_, name.at + 1});
      indexes.push_back(static_cast<AttributeIndex>(names_.size() - 1));
      return std::nullopt;
    }
    indexes.push_back(static_cast<AttributeIndex>(found - names_.begin()));
    return std::nullopt;
  }

  std::size_t line_ = 0;
  std::u32string text_;
  // Whether a line other than a blank one has been read: only the first
  // can hold the title.
  bool pastTitle_ = false;
  std::string title_;
  // The line of the attribute line; 0 before it.
  std::size_t attributeLine_ = 0;
  std::vector<std::string> names_;
  // Where each name was first used, while no attribute line has been read.
  std::vector<Position> firstUse_;
  DependencyList dependencies_;
};

std::optional<NotationWriteRefusal> CheckName(const std::string& name) {
  std::u32string text;
  if (DecodeInto(name, text)) return NotationWriteRefusal{WriteReason::InvalidUtf8, name};
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool arrow = text[i] == U'-' && i + 1 < text.size() && text[i + 1] == U'>';
    if (arrow || IsReservedInName(text[i]))
      return NotationWriteRefusal{WriteReason::ReservedCharacter, name};
  }
  if (Collapsed(text, IsBlank) != text) return NotationWriteRefusal{WriteReason::StrayBlanks, name};
  if (text.size() > static_cast<std::size_t>(MaxNameLength))
    return NotationWriteRefusal{WriteReason::NameTooLong, name};
  return std::nullopt;
}

std::optional<NotationWriteRefusal> CheckSchema(const AttributeTable& names,
                                                const DependencyList& dependencies) {
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (names[k].empty()) continue;
    if (std::optional<NotationWriteRefusal> refusal = CheckName(names[k])) return refusal;
    if (std::find(names.begin(), names.begin() + k, names[k]) != names.begin() + k)
      return NotationWriteRefusal{WriteReason::DuplicateName, names[k]};
  }
  if (dependencies.size() > static_cast<std::size_t>(DbcMaxEntries))
    return NotationWriteRefusal{WriteReason::TooManyDependencies, std::to_string(DbcMaxEntries)};
  const auto unnamed = [&names](AttributeIndex a) { return a >= names.size() || names[a].empty(); };
  for (const Dependency& d : dependencies) {
    for (int i = 0; i < MaxAttributes && d.lhs[i] != NoAttribute; ++i) {
      if (unnamed(d.lhs[i]))
        return NotationWriteRefusal{WriteReason::UnnamedAttribute, std::to_string(d.lhs[i])};
    }
    if (unnamed(d.Rhs()))
      return NotationWriteRefusal{WriteReason::UnnamedAttribute, std::to_string(d.Rhs())};
  }
  return std::nullopt;
}

}  // namespace

NotationReadResult ReadNotation(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  NotationReader reader;
  std::size_t line = 1;
  for (;;) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view bytes = text.substr(0, end);
    if (bytes.ends_with('\r')) bytes.remove_suffix(1);
    if (std::optional<NotationRefusal> refusal = reader.Take(bytes, line)) return *refusal;
    if (end == text.size()) break;
    text.remove_prefix(end + 1);
    ++line;
  }
  return reader.Finish();
}

NotationWriteResult WriteNotation(const AttributeTable& names, const DependencyList& dependencies,
                                  std::string_view title) {
  if (std::optional<NotationWriteRefusal> refusal = CheckSchema(names, dependencies))
    return *refusal;
  std::string text;
  const std::u32string shownTitle = Collapsed(DecodeReplacing(title), IsTitleGap);
  if (!shownTitle.empty()) text += "# " + ToUtf8(shownTitle) + "\n";
  text += "attributes:";
  const char* separator = " ";
  for (const std::string& name : names) {
    if (name.empty()) continue;
    text += separator;
    text += name;
    separator = ", ";
  }
  text += '\n';
  for (const Dependency& d : dependencies) {
    const int count = d.LhsCount();
    for (int i = 0; i < count; ++i) {
      text += names[d.lhs[i]];
      text += i + 1 < count ? ", " : " ";
    }
    text += "-> ";
    text += names[d.Rhs()];
    text += '\n';
  }
  return text;
}

std::variant<std::string, NotationRefusal> NormaliseNotation(std::string_view text) {
  NotationReadResult read = ReadNotation(text);
  if (auto* refusal = std::get_if<NotationRefusal>(&read)) return std::move(*refusal);
  const NotationSchema& schema = std::get<NotationSchema>(read);
  // The reader hands out only what the writer can write.
  return std::get<std::string>(WriteNotation(schema.names, schema.dependencies, schema.title));
}

bool LooksLikeNotation(std::string_view text) {
  const NotationReadResult read = ReadNotation(text);
  const auto* schema = std::get_if<NotationSchema>(&read);
  return schema != nullptr && !schema->dependencies.empty();
}

NotationWriteResult WriteDependencyLines(const AttributeTable& names,
                                         const DependencyList& dependencies) {
  NotationWriteResult written = WriteNotation(names, dependencies);
  if (auto* text = std::get_if<std::string>(&written)) text->erase(0, text->find('\n') + 1);
  return written;
}

std::variant<DependencyList, NotationRefusal> ReadDependencyLines(std::string_view text,
                                                                  const AttributeTable& names) {
  // The text is read under an attribute line of the names, so that the
  // reader resolves them; the names are packed there, and the map takes the
  // records back to the slots.
  std::string whole = "attributes:";
  AttributeMap slots;
  slots.fill(NoAttribute);
  AttributeIndex packed = 0;
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (names[k].empty()) continue;
    whole += (packed == 0 ? " " : ", ") + names[k];
    slots[packed++] = static_cast<AttributeIndex>(k);
  }
  whole += '\n';
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  whole += text;
  NotationReadResult read = ReadNotation(whole);
  if (auto* refusal = std::get_if<NotationRefusal>(&read)) {
    --refusal->line;
    if (refusal->reason == Reason::SecondAttributeLine) {
      // The keyword as typed: the line's text before its colon, trimmed.
      std::string_view line = text;
      for (std::size_t k = 1; k < refusal->line; ++k)
        line.remove_prefix(std::min(line.find('\n'), line.size() - 1) + 1);
      line = line.substr(0, line.find(':'));
      const std::u32string keyword = Collapsed(DecodeReplacing(line), IsBlank);
      *refusal =
          NotationRefusal{Reason::UnknownKeyword, refusal->line, refusal->column, ToUtf8(keyword)};
    }
    return std::move(*refusal);
  }
  DependencyList dependencies = std::move(std::get<NotationSchema>(read).dependencies);
  RenumberDependencies(dependencies, slots);
  return dependencies;
}
