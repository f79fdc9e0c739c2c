#include "OwnDecompositionExerciseSession.h"

#include <algorithm>
#include <cstddef>

#include "Exercises.h"
#include "ModelText.h"
#include "Reports.h"
#include "SchemaListing.h"

namespace {

// The chase table is shown in blocks of this many attributes, each with the
// row numbers: five of the longest names fit the evaluation's width in the
// exercise's narrowest window, so that a table line never wraps and its
// columns stay lined up.
constexpr std::size_t kChaseColumnsPerBlock = 5;

QString Joined(const QStringList& items) {
  return items.join(QStringLiteral(", "));
}

}  // namespace

bool OwnDecompositionExerciseSession::startTask() {
  offered_ = ShownAttributes(names());
  return true;
}

void OwnDecompositionExerciseSession::setPicked(AttributeIndex attribute, bool picked) {
  if (!hasTask()) return;
  if (picked) {
    picked_.Add(attribute);
  } else {
    picked_.Remove(attribute);
  }
}

void OwnDecompositionExerciseSession::addPart() {
  if (!canAddPart()) return;
  parts_.push_back(picked_);
  picked_ = {};
  partsEdited();
}

void OwnDecompositionExerciseSession::removePart(std::size_t part) {
  if (!hasTask() || part >= parts_.size()) return;
  parts_.erase(parts_.begin() + static_cast<std::ptrdiff_t>(part));
  partsEdited();
}

void OwnDecompositionExerciseSession::partsEdited() {
  emit partsChanged();
  setEvaluation({});
  enterPhase(Phase::Answering);
}

void OwnDecompositionExerciseSession::setEvaluation(const QStringList& lines) {
  if (evaluation_ == lines) return;
  evaluation_ = lines;
  emit evaluationChanged();
}

void OwnDecompositionExerciseSession::evaluate() {
  if (!canCheck()) return;
  if (parts_.empty()) {
    setEvaluation({tr("Dekompozice nema zadnou cast: pridejte alespon jednu.")});
    return;
  }
  setEvaluation(verdictLines(CheckDecomposition(names(), dependencies(), parts_)));
  enterPhase(Phase::Checked);
}

void OwnDecompositionExerciseSession::taskOutOfDate() {
  setEvaluation({});
}

QString OwnDecompositionExerciseSession::partNames(AttributeSet part) const {
  QStringList shown;
  for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
    if (part.Has(a)) shown << ToText(names()[a]);
  }
  return Joined(shown);
}

QStringList OwnDecompositionExerciseSession::verdictLines(
    const DecompositionVerdict& verdict) const {
  QStringList lines;
  if (verdict.uncovered.Empty()) {
    lines << tr("Pokryti: kazdy atribut patri do nektere casti");
  } else {
    lines << tr("Atributy bez casti: %1").arg(partNames(verdict.uncovered));
  }

  if (verdict.losslessRow) {
    lines << tr("Spojeni je bezztratove: radek %1 obsahuje jen a").arg(*verdict.losslessRow + 1);
  } else {
    lines << tr("Spojeni je ztratove: po chase neobsahuje zadny radek tabulky jen a");
    lines << chaseTableLines(verdict);
  }

  if (verdict.lost.empty()) {
    lines << tr("Zavislosti jsou zachovany: kazdou odvodi zavislosti platne v castech");
  } else {
    QStringList lost;
    for (const Dependency& d : verdict.lost)
      lost << ToText(ShowDependency(d, names()));
    lines << tr("Ztracene zavislosti (neodvodi je zavislosti platne v castech): %1")
                 .arg(Joined(lost));
  }

  for (std::size_t k = 0; k < verdict.parts.size(); ++k) {
    const PartVerdict& part = verdict.parts[k];
    QStringList keys;
    for (const KeyRecord& key : part.keys)
      keys << KeyLineText(ShowKey(key, names())).trimmed();
    const QString reason = part.reason ? ToText(ShowDependency(*part.reason, names())) : QString();
    QString level;
    switch (part.level) {
      case NormalFormLevel::BoyceCodd:
        level = tr("BCNF");
        break;
      case NormalFormLevel::Third:
        level = tr("3NF (%1 porusuje BCNF)").arg(reason);
        break;
      case NormalFormLevel::Second:
        level = tr("2NF (%1 porusuje 3NF)").arg(reason);
        break;
      case NormalFormLevel::First:
        level = tr("1NF (%1 je castecna zavislost na klici)").arg(reason);
        break;
    }
    lines << tr("Cast %1 (%2): klice %3; %4")
                 .arg(k + 1)
                 .arg(partNames(part.member), Joined(keys), level);
  }
  return lines;
}

QStringList OwnDecompositionExerciseSession::chaseTableLines(
    const DecompositionVerdict& verdict) const {
  QStringList lines;
  for (std::size_t first = 0; first < verdict.columns.size(); first += kChaseColumnsPerBlock) {
    if (first > 0) lines << QString();
    lines << chaseBlockLines(verdict, first,
                             std::min(verdict.columns.size(), first + kChaseColumnsPerBlock));
  }
  return lines;
}

QStringList OwnDecompositionExerciseSession::chaseBlockLines(const DecompositionVerdict& verdict,
                                                             std::size_t first,
                                                             std::size_t end) const {
  // Cell texts first, so that every column can take its widest entry.
  std::vector<QStringList> rows;
  QStringList header{QString()};
  for (std::size_t c = first; c < end; ++c)
    header << ToText(names()[verdict.columns[c]]);
  rows.push_back(header);
  for (std::size_t r = 0; r < verdict.chase.size(); ++r) {
    QStringList row{QString::number(r + 1)};
    for (std::size_t c = first; c < end; ++c) {
      const ChaseCell& cell = verdict.chase[r][c];
      row << (cell.distinguished ? QStringLiteral("a") : QStringLiteral("b%1").arg(cell.row + 1));
    }
    rows.push_back(row);
  }
  std::vector<int> widths(header.size(), 0);
  for (const QStringList& row : rows) {
    for (qsizetype c = 0; c < row.size(); ++c)
      widths[c] = std::max(widths[c], static_cast<int>(row[c].size()));
  }
  QStringList lines;
  for (const QStringList& row : rows) {
    QString line;
    for (qsizetype c = 0; c < row.size(); ++c)
      line += row[c].leftJustified(widths[c] + 1);
    while (line.endsWith(QLatin1Char(' ')))
      line.chop(1);
    lines << QStringLiteral("  ") + line;
  }
  return lines;
}

void OwnDecompositionExerciseSession::dropAnswer() {
  offered_.clear();
  picked_ = {};
  parts_.clear();
  setEvaluation({});
}
