#pragma once

// Display text of a schema, the same in every window and report:
//   dependency      A + B -> C, and {} -> C for an empty left-hand side
//   attribute line  A; B; C;   (every name followed by "; ")
//   key line        B D        (names in index order, each followed by " ";
//                               the empty key gives an empty line, which the
//                               windows and reports put in words)
// Listings of names stop at the first empty slot.

#include <string>
#include <vector>

#include "Schema.h"

std::vector<std::string> ListAttributeLines(const AttributeTable& names);
std::string ShowAttributeLine(const AttributeTable& names);
std::vector<std::string> ListDependencyLines(const DependencyList& dependencies,
                                             const AttributeTable& names);
std::string ShowDependency(const Dependency& dependency, const AttributeTable& names);
std::vector<std::string> ListKeyLines(const KeyList& keys, const AttributeTable& names);
std::string ShowKey(const KeyRecord& key, const AttributeTable& names);

// A record by the names of its attributes, for writers that set the sides
// apart themselves.
struct NamedDependency {
  std::vector<std::string> lhs;
  std::string rhs;
  bool operator==(const NamedDependency&) const = default;
};
std::vector<NamedDependency> NameDependencies(const DependencyList& dependencies,
                                              const AttributeTable& names);
// The names of a set's members in index order.
std::vector<std::string> NameSet(AttributeSet set, const AttributeTable& names);

// The name of an attribute index; the empty string for an index outside the
// table.
const std::string& NameOf(const AttributeTable& names, AttributeIndex index);

// A table holding the names of the members of `member` packed from slot 0 in
// index order.
AttributeTable PackedNames(const AttributeTable& names, AttributeSet member);

// Separator lines under the main window's listings.
inline constexpr const char* AttributeSeparator = "--------------";
inline constexpr const char* DependencySeparator = "----------------------";

// The main window's listing of a schema: the names with their separator, and
// the dependencies with theirs.
std::vector<std::string> AttributeListing(const AttributeTable& names);
std::vector<std::string> DependencyListing(const DependencyList& dependencies,
                                           const AttributeTable& names);
