#pragma once

// Maximal sets. A maximal set of an attribute A is a set X of the schema's
// attributes whose closure lacks A, while adding any further attribute puts A
// into the closure. The routines work on the first n attribute indexes (the
// schema's attribute count); nothing from n on is ever a member of a set they
// build.

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "Schema.h"

// The count of a condensed family's set stops at this value rather than
// wrap around.
inline constexpr std::uint64_t SetCountCeiling = std::numeric_limits<std::uint64_t>::max();

// One set of a family. A condensed family holds each set once and counts how
// many times it stands in the full family; a full family's nodes count 1.
struct SetNode {
  AttributeSet member;
  std::uint64_t count = 1;
  bool operator==(const SetNode&) const = default;
};

// Sets in list order, which the window shows. Every insertion goes directly
// behind the first node (InsertBehindHead), so the first node never changes
// and the rest runs from the newest insertion to the oldest; a copy
// (CopyInsertingBehindHead) keeps the first node and reverses the rest.
using SetList = std::vector<SetNode>;

// The maximal sets of every attribute index (the MAX family).
using MaxSetFamily = std::array<SetList, MaxAttributes>;

// The most sets a family is built with in full. Both the MAX family and the
// left-hand-side family can grow exponentially (equal sets and supersets
// multiply from step to step) although the sets they stand for are few: one
// 20-attribute schema reaches 708 million sets, 748 of them distinct. Past
// its limit a family is built condensed, each set once with its count, and
// the window says so; the results are the same. The lhs family limit keeps
// a full listing, which stands in a single line, within what a memo lays
// out in a fraction of a second: at most about two million characters with
// the longest names. The MAX family is listed with each set once in any
// case; within its limit it keeps the order of the full list.
inline constexpr std::size_t MaxFamilyLimit = 10'000;
inline constexpr std::size_t LhsFamilyLimit = 5'000;

// Whether `x` is a maximal set of `a` under `dependencies`.
bool IsMaximalSet(AttributeSet x, AttributeIndex a, const DependencyList& dependencies, int n);

// The MAX family, built by adding the dependencies one at a time in list
// order, each set once with the number of times the steps form it. A step
// can form a set several times, from different sets of the left-hand
// families; the sets are the maximal sets all the same, and listing one of
// them twice would read as two sets. While the full list, which keeps every
// set as often as it is formed, stays within `limit` sets, each set stands
// at its first place in it; past that, where the condensed build puts it.
MaxSetFamily ComputeMaxSets(const DependencyList& dependencies, int n,
                            std::size_t limit = MaxFamilyLimit);

// The left-hand-side family lhs(A): its first node is {A}, every node
// determines A, and every set that determines A contains a node. Dependencies
// whose right-hand attribute stands in their own left-hand side imply nothing
// and are left out.
SetList LeftHandSideFamily(const DependencyList& dependencies, AttributeIndex a, int n,
                           std::size_t limit = LhsFamilyLimit);

// The inclusion-minimal sets that meet every node of `family`, in order of
// first appearance (of equal sets the earliest).
std::vector<SetNode> MinimalTransversals(const SetList& family, int n);

// Each set's complement within the first n attributes, in the same order.
std::vector<SetNode> Complements(const std::vector<SetNode>& sets, int n);

// The one-attribute computation with everything the window lists.
struct AttributeMaxSets {
  SetList lhsFamily;                  // lhs(A)
  std::vector<SetNode> transversals;  // TR(lhs(A))
  std::vector<SetNode> maxOfA;        // max(A), the complements of TR
};
AttributeMaxSets ComputeMaxSetsOfAttribute(const DependencyList& dependencies, AttributeIndex a,
                                           int n, std::size_t limit = LhsFamilyLimit);

// A is prime (stands in some key) when one of its maximal sets together with
// A determines the whole schema.
bool IsPrimeAttribute(const std::vector<SetNode>& maxOfA, AttributeIndex a,
                      const DependencyList& dependencies, int n);

// The schema is in BCNF unless some maximal set M holds an attribute k that
// M - {k} determines.
bool IsInBcnf(const MaxSetFamily& maxSets, const DependencyList& dependencies, int n);

// The number of non-empty names among all 20 slots.
int CountNonEmptyNames(const AttributeTable& names);

// The union of all maximal sets of `a` in the schema of `names` (its
// attribute count taken as CountNonEmptyNames) and `dependencies`; empty when
// `a` is not an attribute of the schema.
AttributeSet UnionOfMaximalSets(const DependencyList& dependencies, const AttributeTable& names,
                                AttributeIndex a);

// How many sets a family stands for: its nodes, counted as often as they
// stand (at most SetCountCeiling).
std::uint64_t SetsStoodFor(const SetList& family);
std::uint64_t SetsStoodFor(const MaxSetFamily& families);

// The sets of a family that hold no other set of it, each once, in family
// order. A condensed lhs family is listed by these: the sets holding them can
// run to tens of thousands, too many to show, and add nothing to what
// determines A.
SetList InclusionMinimal(const SetList& family);

// Whether a listing of the family shows fewer sets than it stands for.
bool IsCondensed(const SetList& family);
bool IsCondensed(const MaxSetFamily& families);

// The window's listings. A set that stands k > 1 times is followed by
// " (kx)". A listing of no set at all is empty, and the caller puts words in
// its place: braces around nothing would read as the one empty set, which
// is listed so.
//   lhs family     {  B ; A }      members as " name", " ;" between sets
//   transversals   {  A B;  A C }  "; " between sets
//   max(A)         { C ; A B}      " ;" between sets, no blank before "}"
//   MAX family     per attribute its name and "   { C,  A }"; the window
//                  puts a heading with the name above each
std::string LhsFamilyLine(const SetList& family, const AttributeTable& names, int n);
std::string TransversalsLine(const std::vector<SetNode>& transversals, const AttributeTable& names,
                             int n);
std::string MaxOfALine(const std::vector<SetNode>& maxOfA, const AttributeTable& names, int n);
struct MaxFamilyEntry {
  std::string attribute;
  std::string sets;
  bool operator==(const MaxFamilyEntry&) const = default;
};
std::vector<MaxFamilyEntry> MaxFamilyEntries(const MaxSetFamily& maxSets,
                                             const AttributeTable& names, int n);
