#include "MaximalSetsSession.h"

#include "ModelText.h"
#include "Reports.h"

void MaximalSetsSession::load(const Schema& schema) {
  clear();
  names_ = schema.attributes;
  dependencies_ = schema.dependencies;
  attributeCount_ = CountNonEmptyNames(names_);
  markUpToDate();
}

void MaximalSetsSession::clear() {
  names_ = {};
  dependencies_.clear();
  attributeCount_ = 0;
  chosen_.reset();
  ofChosen_ = {};
  maxSets_.reset();
}

bool MaximalSetsSession::computeAttribute(AttributeIndex a) {
  if (static_cast<int>(a) >= attributeCount_) return false;
  ofChosen_ = ComputeMaxSetsOfAttribute(dependencies_, a, attributeCount_);
  chosen_ = a;
  return true;
}

MaximalSetsSession::Listing MaximalSetsSession::lhsListing() const {
  const SetList& family = ofChosen_.lhsFamily;
  if (!IsCondensed(family)) return {{}, {LhsFamilyLine(family, names_, attributeCount_)}};
  return {LhsFamilyCondensedNote(SetsStoodFor(family)),
          {LhsFamilyLine(InclusionMinimal(family), names_, attributeCount_)}};
}

namespace {

// A one-line listing, or the words for one of no set at all.
MaximalSetsSession::Listing Listed(std::string line) {
  return {{}, {line.empty() ? FromText(NoSetText()) : std::move(line)}};
}

}  // namespace

MaximalSetsSession::Listing MaximalSetsSession::transversalsListing() const {
  return Listed(TransversalsLine(ofChosen_.transversals, names_, attributeCount_));
}

MaximalSetsSession::Listing MaximalSetsSession::maxOfAListing() const {
  return Listed(MaxOfALine(ofChosen_.maxOfA, names_, attributeCount_));
}

std::optional<bool> MaximalSetsSession::isPrime() const {
  if (!chosen_) return std::nullopt;
  return IsPrimeAttribute(ofChosen_.maxOfA, *chosen_, dependencies_, attributeCount_);
}

void MaximalSetsSession::computeMaxFamily() {
  maxSets_ = ComputeMaxSets(dependencies_, attributeCount_);
}

MaximalSetsSession::Listing MaximalSetsSession::maxFamilyListing() const {
  if (!maxSets_) return {};
  return {IsCondensed(*maxSets_) ? MaxFamilyCondensedNote(SetsStoodFor(*maxSets_)) : QString(),
          MaxFamilyLines(*maxSets_, names_, attributeCount_)};
}

std::optional<bool> MaximalSetsSession::isInBcnf() const {
  if (!maxSets_) return std::nullopt;
  return IsInBcnf(*maxSets_, dependencies_, attributeCount_);
}
