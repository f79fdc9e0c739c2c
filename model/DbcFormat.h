#pragma once

// The schema file: for each non-empty name its bytes and ";", then ":", then
// for each dependency its left-hand indexes each followed by a blank, "-",
// the right-hand index and ";". Indexes are plain decimal digits. Names here
// are the file's bytes; converting them to and from text is the caller's job.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "Schema.h"

// What the reader takes in; anything beyond is refused as a whole. The
// dependency editor builds at most 30 rows of 3 right-hand attributes, and a
// left-hand side holds at most every attribute once; a file holding more
// than that was not written by this program.
inline constexpr int DbcMaxNames = MaxAttributes;
inline constexpr int DbcMaxEntries = 90;
inline constexpr int DbcMaxLhs = MaxAttributes;
// A schema file is a few hundred bytes; anything larger is not one.
inline constexpr std::size_t DbcMaxFileBytes = std::size_t{1} << 20;

using NameBytes = std::array<std::string, MaxAttributes>;

struct DbcContents {
  NameBytes names;
  DependencyList dependencies;
};

// Why the reader refused a file, where, and the one number the reason needs.
struct DbcRefusal {
  enum class Reason {
    TooLarge,                // detail: the largest size taken, at that offset
    NoSeparator,             // the names never end with ":"; at the end of the file
    UnterminatedName,        // a name cut off by ":"; at the ":"
    TooManyNames,            // detail: the most names taken; at the first name too many
    NotADigit,               // detail: the byte's value; at that byte
    MissingNumber,           // an index expected but absent; at the byte found instead
    MissingBlank,            // a left-hand index followed by "-"; at the "-"
    MissingDash,             // a dependency without "-"; at its ";"
    IndexOutOfRange,         // detail: the index (saturated); at its first digit
    TooManyLhs,              // detail: the most left-hand indexes; at the first one too many
    TooManyDependencies,     // detail: the most dependencies; at the first one too many
    UnterminatedDependency,  // no ";" ends a dependency; at the byte found instead or the end
  };
  Reason reason;
  std::size_t offset;  // from the start of the file, the first byte being 0
  std::uint64_t detail = 0;
};

using DbcReadResult = std::variant<DbcContents, DbcRefusal>;

// One name with its terminator; empty for an empty name, which the file skips.
std::string EncodeNameEntry(const std::string& name);
std::string EncodeDependencyEntry(const Dependency& dependency);
std::string WriteSchemaBytes(const NameBytes& names, const DependencyList& dependencies);

// The names and dependencies of a file, or why the bytes are not a schema
// file this program can take in whole. Everything the writer stores for a
// schema the program can hold is taken back.
DbcReadResult ReadSchemaBytes(std::string_view bytes);
