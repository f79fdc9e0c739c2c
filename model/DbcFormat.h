#pragma once

// The schema file: for each non-empty name its bytes and ";", then ":", then
// for each dependency its left-hand indexes each followed by a blank, "-",
// the right-hand index and ";". Indexes are plain decimal digits. Names here
// are the file's bytes; converting them to and from text is the caller's job.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "Schema.h"

// What the reader takes in; anything beyond is refused as a whole.
inline constexpr int DbcMaxNames = 20;
inline constexpr int DbcMaxEntries = 30;
inline constexpr int DbcMaxLhs = 7;

using NameBytes = std::array<std::string, MaxAttributes>;

struct DbcContents {
  NameBytes names;
  DependencyList dependencies;
};

// One name with its terminator; empty for an empty name, which the file skips.
std::string EncodeNameEntry(const std::string& name);
std::string EncodeDependencyEntry(const Dependency& dependency);
std::string WriteSchemaBytes(const NameBytes& names, const DependencyList& dependencies);

// Whether the reader takes back what the writer stores for this list: the
// editors can build more records, or wider left-hand sides, than it takes.
bool FitsReaderLimits(const DependencyList& dependencies);

// The names and dependencies of a file, or nothing if the bytes are not a
// schema file this program can take in whole: a name cut off by ":", more
// names or entries or left-hand indexes than the limits, a number that is not
// plain digits, an index that names no name of the file, a dependency that
// does not end in ";", or no ":" at all.
std::optional<DbcContents> ReadSchemaBytes(std::string_view bytes);
