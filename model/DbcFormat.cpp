#include "DbcFormat.h"

#include <vector>

namespace {

// Plain decimal digits naming one of `nameCount` names.
std::optional<AttributeIndex> ParseIndex(const std::string& digits, int nameCount) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value >= static_cast<std::uint64_t>(nameCount)) return std::nullopt;
  }
  return static_cast<AttributeIndex>(value);
}

}  // namespace

std::string EncodeNameEntry(const std::string& name) {
  return name.empty() ? std::string() : name + ";";
}

std::string EncodeDependencyEntry(const Dependency& dependency) {
  std::string bytes;
  for (int i = 0; i < MaxAttributes && dependency.lhs[i] != NoAttribute; ++i) {
    bytes += std::to_string(dependency.lhs[i]);
    bytes += ' ';
  }
  bytes += '-';
  bytes += std::to_string(dependency.Rhs());
  bytes += ';';
  return bytes;
}

std::string WriteSchemaBytes(const NameBytes& names, const DependencyList& dependencies) {
  std::string bytes;
  for (const std::string& name : names)
    bytes += EncodeNameEntry(name);
  bytes += ':';
  for (const Dependency& d : dependencies)
    bytes += EncodeDependencyEntry(d);
  return bytes;
}

bool FitsReaderLimits(const DependencyList& dependencies) {
  if (dependencies.size() > static_cast<std::size_t>(DbcMaxEntries)) return false;
  for (const Dependency& d : dependencies) {
    if (d.LhsCount() > DbcMaxLhs) return false;
  }
  return true;
}

std::optional<DbcContents> ReadSchemaBytes(std::string_view bytes) {
  DbcContents contents;
  int nameCount = 0;
  std::string word;
  std::size_t pos = 0;

  for (; pos < bytes.size(); ++pos) {
    const char c = bytes[pos];
    if (c == ':') break;
    if (c != ';') {
      word += c;
      continue;
    }
    if (word.empty()) continue;
    if (nameCount == DbcMaxNames) return std::nullopt;
    contents.names[nameCount++] = std::move(word);
    word.clear();
  }
  if (pos == bytes.size() || !word.empty()) return std::nullopt;
  ++pos;

  enum class Side { Left, Right } side = Side::Left;
  std::string digits;
  std::vector<AttributeIndex> lhs;
  int entries = 0;
  for (; pos < bytes.size(); ++pos) {
    const char c = bytes[pos];
    if (c == ':') continue;
    if (side == Side::Left) {
      if (c == '-') {
        if (!digits.empty()) return std::nullopt;
        side = Side::Right;
      } else if (c == ' ') {
        std::optional<AttributeIndex> index = ParseIndex(digits, nameCount);
        if (!index || static_cast<int>(lhs.size()) == DbcMaxLhs) return std::nullopt;
        lhs.push_back(*index);
        digits.clear();
      } else if (c == ';') {
        return std::nullopt;
      } else {
        digits += c;
      }
    } else if (c == ';') {
      std::optional<AttributeIndex> index = ParseIndex(digits, nameCount);
      if (!index || entries == DbcMaxEntries) return std::nullopt;
      contents.dependencies.push_back(NewDependency(lhs, *index));
      ++entries;
      lhs.clear();
      digits.clear();
      side = Side::Left;
    } else {
      digits += c;
    }
  }
  if (side != Side::Left || !digits.empty() || !lhs.empty()) return std::nullopt;
  return contents;
}
