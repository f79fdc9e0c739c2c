#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "MaxSets.h"
#include "Schema.h"
#include "ToolSession.h"

// The maximal sets of a copy of the schema: those of one chosen attribute
// through its left-hand-side family and its transversals, with the test
// whether the attribute is prime; and those of every attribute (the MAX
// family), with the BCNF test.
class MaximalSetsSession final : public ToolSession {
  Q_OBJECT

 public:
  // What one memo lists: its lines, behind a note when the listing shows
  // fewer sets than the family stands for.
  struct Listing {
    QString note;
    std::vector<std::string> lines;
  };

  using ToolSession::ToolSession;

  // Copies the schema; nothing is computed yet.
  void load(const Schema& schema);
  // Drops the copy and every result.
  void clear();

  const AttributeTable& names() const { return names_; }
  int attributeCount() const { return attributeCount_; }

  // Computes the maximal sets of `a`; false, and nothing changed, when `a`
  // is no attribute of the schema.
  bool computeAttribute(AttributeIndex a);
  // The attribute computed last, if any.
  std::optional<AttributeIndex> chosenAttribute() const { return chosen_; }
  // Its listings: lhs(A), TR(lhs(A)) and max(A). Only after a computation.
  Listing lhsListing() const;
  Listing transversalsListing() const;
  Listing maxOfAListing() const;
  // Whether the attribute computed last is prime; nothing before one is.
  std::optional<bool> isPrime() const;

  void computeMaxFamily();
  // The MAX family, attribute by attribute. Only after its computation.
  Listing maxFamilyListing() const;
  // Whether the schema is in BCNF; nothing before the MAX family is
  // computed.
  std::optional<bool> isInBcnf() const;

 private:
  AttributeTable names_;
  DependencyList dependencies_;
  int attributeCount_ = 0;
  std::optional<AttributeIndex> chosen_;
  AttributeMaxSets ofChosen_;
  std::optional<MaxSetFamily> maxSets_;
};
