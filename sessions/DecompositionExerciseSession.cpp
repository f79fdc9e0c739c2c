#include "DecompositionExerciseSession.h"

#include "ExerciseExplanations.h"
#include "Keys.h"
#include "ModelText.h"
#include "SchemaListing.h"

bool DecompositionExerciseSession::startTask() {
  keys_ = ComputeKeys(dependencies(), names());
  nonPrime_ = MarkNonPrimeAttributes(keys_);
  for (const Dependency& d : dependencies())
    rows_.push_back({DependencyNormalForm(d, keys_, nonPrime_)});
  return true;
}

void DecompositionExerciseSession::setTicked(std::size_t row, Violation violation, bool ticked) {
  if (!canCheck()) return;
  Row& r = rows_.at(row);
  (violation == Violation::ThirdNormalForm ? r.tickedThird : r.tickedBoyceCodd) = ticked;
}

bool DecompositionExerciseSession::isTicked(std::size_t row, Violation violation) const {
  const Row& r = rows_.at(row);
  return violation == Violation::ThirdNormalForm ? r.tickedThird : r.tickedBoyceCodd;
}

bool DecompositionExerciseSession::violates(std::size_t row, Violation violation) const {
  const NormalFormClass form = rows_.at(row).form;
  return violation == Violation::ThirdNormalForm ? form == NormalFormClass::Violates3NF
                                                 : form == NormalFormClass::ThirdOnly;
}

bool DecompositionExerciseSession::isItemWrong(std::size_t row) const {
  return isWrong(row, Violation::ThirdNormalForm) || isWrong(row, Violation::BoyceCoddOnly);
}

QStringList DecompositionExerciseSession::explainAnswer() const {
  QStringList lines;
  std::size_t k = 0;
  for (const Dependency& d : dependencies()) {
    if (isItemWrong(k)) lines << violationLines(d);
    ++k;
  }
  return lines;
}

QStringList DecompositionExerciseSession::violationLines(const Dependency& d) const {
  const QString shown = ToText(ShowDependency(d, names()));
  const QString rhs = ToText(NameOf(names(), d.Rhs()));
  if (d.LhsHas(d.Rhs())) return {tr("%1 je trivialni, zadnou formu neporusuje").arg(shown)};
  for (const KeyRecord& key : keys_) {
    if (key.member.IsSubsetOf(d.LhsSet())) {
      return {tr("%1: leva strana obsahuje klic %2, zavislost BCNF neporusuje")
                  .arg(shown, explain::SetText(key.member, names()))};
    }
  }
  QStringList keyTexts;
  for (const KeyRecord& key : keys_)
    keyTexts << explain::SetText(key.member, names());
  const QString lhs = tr("%1: leva strana neobsahuje zadny klic (%2)")
                          .arg(shown, keyTexts.join(QStringLiteral(", ")));
  if (nonPrime_.Has(d.Rhs())) {
    return {lhs, tr("  %1 neni klicovy atribut, proto je porusena 3NF").arg(rhs)};
  }
  return {lhs, tr("  %1 je klicovy atribut, proto je porusena jen BCNF").arg(rhs)};
}

void DecompositionExerciseSession::clearAnswer() {
  for (Row& row : rows_) {
    row.tickedThird = false;
    row.tickedBoyceCodd = false;
  }
}

void DecompositionExerciseSession::dropAnswer() {
  keys_.clear();
  nonPrime_ = {};
  rows_.clear();
}
