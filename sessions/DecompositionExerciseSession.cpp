#include "DecompositionExerciseSession.h"

#include "ExerciseExplanations.h"
#include "Keys.h"
#include "ModelText.h"
#include "SchemaListing.h"

void DecompositionExerciseSession::setTask(const Schema& schema) {
  clear();
  markUpToDate();
  if (schema.attributes[0].empty()) {
    emit taskChanged();
    return;
  }
  names_ = schema.attributes;
  dependencies_ = schema.dependencies;
  keys_ = ComputeKeys(dependencies_, names_);
  nonPrime_ = MarkNonPrimeAttributes(keys_);
  for (const Dependency& d : dependencies_)
    rows_.push_back({DependencyNormalForm(d, keys_, nonPrime_)});
  emit taskChanged();
  enterPhase(Phase::Answering);
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

bool DecompositionExerciseSession::isRowWrong(std::size_t row) const {
  return isWrong(row, Violation::ThirdNormalForm) || isWrong(row, Violation::BoyceCoddOnly);
}

std::optional<bool> DecompositionExerciseSession::judge() const {
  if (!canCheck()) return std::nullopt;
  for (std::size_t k = 0; k < rows_.size(); ++k) {
    if (isRowWrong(k)) return false;
  }
  return true;
}

void DecompositionExerciseSession::conclude() {
  const std::optional<bool> right = judge();
  if (!right) return;
  explanation_.clear();
  std::size_t k = 0;
  for (const Dependency& d : dependencies_) {
    if (isRowWrong(k)) explanation_ << violationLines(d);
    ++k;
  }
  record(*right);
  enterPhase(Phase::Checked);
}

QStringList DecompositionExerciseSession::violationLines(const Dependency& d) const {
  const QString shown = ToText(ShowDependency(d, names_));
  const QString rhs = ToText(NameOf(names_, d.Rhs()));
  if (d.LhsHas(d.Rhs())) return {tr("%1 je trivialni, zadnou formu neporusuje").arg(shown)};
  for (const KeyRecord& key : keys_) {
    if (key.member.IsSubsetOf(d.LhsSet())) {
      return {tr("%1: leva strana obsahuje klic %2, zavislost BCNF neporusuje")
                  .arg(shown, explain::SetText(key.member, names_))};
    }
  }
  QStringList keyTexts;
  for (const KeyRecord& key : keys_)
    keyTexts << explain::SetText(key.member, names_);
  const QString lhs = tr("%1: leva strana neobsahuje zadny klic (%2)")
                          .arg(shown, keyTexts.join(QStringLiteral(", ")));
  if (nonPrime_.Has(d.Rhs())) {
    return {lhs, tr("  %1 neni klicovy atribut, proto je porusena 3NF").arg(rhs)};
  }
  return {lhs, tr("  %1 je klicovy atribut, proto je porusena jen BCNF").arg(rhs)};
}

void DecompositionExerciseSession::retry() {
  if (phase() != Phase::Checked) return;
  for (Row& row : rows_) {
    row.tickedThird = false;
    row.tickedBoyceCodd = false;
  }
  explanation_.clear();
  enterPhase(Phase::Answering);
}

void DecompositionExerciseSession::dropTask() {
  const bool hadTask = !names_[0].empty();
  names_ = {};
  dependencies_.clear();
  keys_.clear();
  nonPrime_ = {};
  rows_.clear();
  explanation_.clear();
  if (hadTask) emit taskChanged();
}
