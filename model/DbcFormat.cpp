#include "DbcFormat.h"

#include <limits>
#include <optional>
#include <vector>

namespace {

using Reason = DbcRefusal::Reason;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads the bytes of the dependency section one at a time. Every byte other
// than the structural ones must be a digit, so that a refusal points at the
// first byte that cannot belong to a schema file.
class DependencyReader {
 public:
  explicit DependencyReader(int nameCount) : nameCount_(nameCount) {}

  std::optional<DbcRefusal> Take(char c, std::size_t pos) {
    if (c == ':') return std::nullopt;  // stray separators have always been skipped
    if (IsDigit(c)) {
      if (!inNumber_) {
        inNumber_ = true;
        numberStart_ = pos;
        value_ = 0;
      }
      const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
      constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
      value_ = value_ > (kMax - digit) / 10 ? kMax : value_ * 10 + digit;
      return std::nullopt;
    }
    if (!inEntry_) {
      inEntry_ = true;
      entryStart_ = inNumber_ ? numberStart_ : pos;
    }
    if (side_ == Side::Left) return TakeLeft(c, pos);
    return TakeRight(c, pos);
  }

  std::optional<DbcRefusal> Finish(std::size_t end) const {
    if (inNumber_ || inEntry_) return DbcRefusal{Reason::UnterminatedDependency, end};
    return std::nullopt;
  }

  DependencyList TakeDependencies() { return std::move(dependencies_); }

 private:
  enum class Side { Left, Right };

  std::optional<DbcRefusal> TakeLeft(char c, std::size_t pos) {
    switch (c) {
      case ' ': {
        if (!inNumber_) return DbcRefusal{Reason::MissingNumber, pos};
        if (static_cast<int>(lhs_.size()) == DbcMaxLhs)
          return DbcRefusal{Reason::TooManyLhs, numberStart_, DbcMaxLhs};
        std::optional<DbcRefusal> refusal = CheckIndex();
        if (refusal) return refusal;
        lhs_.push_back(static_cast<AttributeIndex>(value_));
        inNumber_ = false;
        return std::nullopt;
      }
      case '-':
        if (inNumber_) return DbcRefusal{Reason::MissingBlank, pos};
        side_ = Side::Right;
        return std::nullopt;
      case ';':
        return DbcRefusal{Reason::MissingDash, pos};
      default:
        return DbcRefusal{Reason::NotADigit, pos, static_cast<unsigned char>(c)};
    }
  }

  std::optional<DbcRefusal> TakeRight(char c, std::size_t pos) {
    if (c != ';') {
      if (!inNumber_ && c != ' ' && c != '-')
        return DbcRefusal{Reason::NotADigit, pos, static_cast<unsigned char>(c)};
      return DbcRefusal{inNumber_ ? Reason::UnterminatedDependency : Reason::MissingNumber, pos};
    }
    if (!inNumber_) return DbcRefusal{Reason::MissingNumber, pos};
    if (std::optional<DbcRefusal> refusal = CheckIndex()) return refusal;
    if (static_cast<int>(dependencies_.size()) == DbcMaxEntries)
      return DbcRefusal{Reason::TooManyDependencies, entryStart_, DbcMaxEntries};
    dependencies_.push_back(NewDependency(lhs_, static_cast<AttributeIndex>(value_)));
    lhs_.clear();
    inNumber_ = false;
    inEntry_ = false;
    side_ = Side::Left;
    return std::nullopt;
  }

  std::optional<DbcRefusal> CheckIndex() const {
    if (value_ >= static_cast<std::uint64_t>(nameCount_))
      return DbcRefusal{Reason::IndexOutOfRange, numberStart_, value_};
    return std::nullopt;
  }

  const int nameCount_;
  Side side_ = Side::Left;
  bool inNumber_ = false;
  std::size_t numberStart_ = 0;
  std::uint64_t value_ = 0;
  bool inEntry_ = false;
  std::size_t entryStart_ = 0;
  std::vector<AttributeIndex> lhs_;
  DependencyList dependencies_;
};

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

DbcReadResult ReadSchemaBytes(std::string_view bytes) {
  if (bytes.size() > DbcMaxFileBytes)
    return DbcRefusal{Reason::TooLarge, DbcMaxFileBytes, DbcMaxFileBytes};

  DbcContents contents;
  int nameCount = 0;
  std::string word;
  std::size_t wordStart = 0;
  std::size_t pos = 0;
  for (; pos < bytes.size(); ++pos) {
    const char c = bytes[pos];
    if (c == ':') break;
    if (c != ';') {
      if (word.empty()) wordStart = pos;
      word += c;
      continue;
    }
    if (word.empty()) continue;
    if (nameCount == DbcMaxNames) return DbcRefusal{Reason::TooManyNames, wordStart, DbcMaxNames};
    contents.names[nameCount++] = std::move(word);
    word.clear();
  }
  if (pos == bytes.size()) return DbcRefusal{Reason::NoSeparator, pos};
  if (!word.empty()) return DbcRefusal{Reason::UnterminatedName, pos};

  DependencyReader reader(nameCount);
  for (++pos; pos < bytes.size(); ++pos) {
    if (std::optional<DbcRefusal> refusal = reader.Take(bytes[pos], pos)) return *refusal;
  }
  if (std::optional<DbcRefusal> refusal = reader.Finish(bytes.size())) return *refusal;
  contents.dependencies = reader.TakeDependencies();
  return contents;
}
