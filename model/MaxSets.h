#pragma once

// Maximal sets. A maximal set of an attribute A is a set X of the schema's
// attributes whose closure lacks A, while adding any further attribute puts A
// into the closure. The routines work on the first n attribute indexes (the
// schema's attribute count); nothing from n on is ever a member of a set they
// build.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "Schema.h"

struct SetNode {
  AttributeSet member;
  bool operator==(const SetNode&) const = default;
};

// Sets in list order, which the window shows. Every insertion goes directly
// behind the first node (InsertBehindHead), so the first node never changes
// and the rest runs from the newest insertion to the oldest; a copy
// (CopyInsertingBehindHead) keeps the first node and reverses the rest.
using SetList = std::vector<SetNode>;

// The maximal sets of every attribute index (the MAX family).
using MaxSetFamily = std::array<SetList, MaxAttributes>;

// The most sets a family is built with as stated. Both the MAX family and the
// left-hand-side family can grow exponentially (equal sets and supersets
// multiply from step to step) although the sets they stand for are few: one
// 20-attribute schema reaches 708 million sets, 748 of them distinct. Past
// its limit a family is built again, entering each set once (MAX) or only
// sets that hold no node already (lhs); the results stay right, only the
// repeated entries are missing from the listings. The limits also keep a
// listing within what a memo shows in about a second: the MAX family spreads
// over a line per attribute, the lhs family stands in a single line.
inline constexpr std::size_t MaxFamilyLimit = 1'000'000;
inline constexpr std::size_t LhsFamilyLimit = 100'000;

// Whether `x` is a maximal set of `a` under `dependencies`.
bool IsMaximalSet(AttributeSet x, AttributeIndex a, const DependencyList& dependencies, int n);

// The MAX family, built by adding the dependencies one at a time in list
// order. Equal sets produced in one step are all kept (up to `limit` sets).
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

// The window's listings.
//   lhs family     {  B ; A }      members as " name", " ;" between sets
//   transversals   {  A B;  A C }  "; " between sets
//   max(A)         { C ; A B}      " ;" between sets, no blank before "}"
//   MAX family     per attribute: "Mnozina Max(B) = ", "   { C,  A }", ""
std::string LhsFamilyLine(const SetList& family, const AttributeTable& names, int n);
std::string TransversalsLine(const std::vector<SetNode>& transversals, const AttributeTable& names,
                             int n);
std::string MaxOfALine(const std::vector<SetNode>& maxOfA, const AttributeTable& names, int n);
std::vector<std::string> MaxFamilyLines(const MaxSetFamily& maxSets, const AttributeTable& names,
                                        int n);
