#include "TForm_Test_Own_Decomposition.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "Data_statement_2.h"
#include "DecompositionCheck.h"
#include "Display.h"
#include "ExerciseSupport.h"
#include "Reports.h"

namespace {

// Attribute boxes per row of the grid: four long names still fit side by
// side in the window's width.
constexpr int BoxesPerRow = 4;

QString Joined(const QStringList& items) {
  return items.join(QStringLiteral(", "));
}

}  // namespace

TForm_Test_Own_Decomposition::TForm_Test_Own_Decomposition(SchemaHost& host, ErrorDisplay& errors,
                                                           QWidget* parent)
    : ToolWindow(errors, parent), host_(host) {
  setObjectName(QStringLiteral("Form_Test_Own_Decomposition"));
  setWindowTitle(tr("Testovaci modul - Vlastni dekompozice"));
  resize(760, 640);
  // A schema with many attributes or a long evaluation scrolls inside the
  // window, which stays within a small screen.
  canvas_ = MakeScrollingCanvas(*this, QSize(0, 0));
  auto* layout = new QVBoxLayout(canvas_);
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());

  layout->addWidget(new QLabel(tr("Zavislosti schematu:"), canvas_));
  Memo_Dep = exercise::MakeDependencyMemo(canvas_, "Memo_Dep");
  Memo_Dep->setMaximumHeight(120);
  layout->addWidget(Memo_Dep);

  GB_atributy =
      new QGroupBox(tr("Atributy nove casti (zaskrtnete a stisknete Pridat cast)"), canvas_);
  GB_atributy->setObjectName(QStringLiteral("GB_atributy"));
  Grid_atributy = new QGridLayout(GB_atributy);
  layout->addWidget(GB_atributy);

  auto* buttons = new QHBoxLayout;
  Button_Pridat = new QPushButton(tr("Pridat cast"), canvas_);
  Button_Pridat->setObjectName(QStringLiteral("Button_Pridat"));
  Button_Odebrat = new QPushButton(tr("Odebrat cast"), canvas_);
  Button_Odebrat->setObjectName(QStringLiteral("Button_Odebrat"));
  Button_Vyhodnotit = new QPushButton(tr("Vyhodnotit"), canvas_);
  Button_Vyhodnotit->setObjectName(QStringLiteral("Button_Vyhodnotit"));
  for (QPushButton* b : {Button_Pridat, Button_Odebrat, Button_Vyhodnotit})
    buttons->addWidget(b);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(Button_Pridat, &QPushButton::clicked, this,
          &TForm_Test_Own_Decomposition::Button_PridatClick);
  connect(Button_Odebrat, &QPushButton::clicked, this,
          &TForm_Test_Own_Decomposition::Button_OdebratClick);
  connect(Button_Vyhodnotit, &QPushButton::clicked, this,
          &TForm_Test_Own_Decomposition::Button_VyhodnotitClick);

  layout->addWidget(new QLabel(tr("Casti dekompozice:"), canvas_));
  List_casti = new QListWidget(canvas_);
  List_casti->setObjectName(QStringLiteral("List_casti"));
  List_casti->setMaximumHeight(120);
  // A part wider than the list wraps; the shade of every other row tells
  // where the next part begins.
  List_casti->setWordWrap(true);
  List_casti->setAlternatingRowColors(true);
  QPalette bands = List_casti->palette();
  bands.setColor(QPalette::AlternateBase, colours::Band(*List_casti));
  List_casti->setPalette(bands);
  List_casti->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  layout->addWidget(List_casti);
  connect(List_casti, &QListWidget::currentRowChanged, this,
          &TForm_Test_Own_Decomposition::UpdateButtons);

  layout->addWidget(new QLabel(tr("Hodnoceni:"), canvas_));
  Memo_Vysledek = new QPlainTextEdit(canvas_);
  Memo_Vysledek->setObjectName(QStringLiteral("Memo_Vysledek"));
  Memo_Vysledek->setReadOnly(true);
  Memo_Vysledek->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The chase table lines up only in a font of equal widths.
  Memo_Vysledek->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  layout->addWidget(Memo_Vysledek, 1);
  UpdateButtons();
}

void TForm_Test_Own_Decomposition::PrepareExercise() {
  // Opening the exercise again while it is open starts it afresh.
  FormClose();
  notice_->hide();
  const Schema& schema = host_.LiveSchema();
  if (!exercise::OffersTask(schema, *Button_Vyhodnotit)) return;
  dependencies_ = schema.dependencies;
  attributeNames_ = schema.attributes;
  exercise::ListFromTop(*Memo_Dep, ListDependencyLines(dependencies_, attributeNames_));
  for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
    if (attributeNames_[a].empty()) continue;
    auto* box = new QCheckBox(ToText(attributeNames_[a]), GB_atributy);
    const int k = static_cast<int>(attributeBoxes_.size());
    Grid_atributy->addWidget(box, k / BoxesPerRow, k % BoxesPerRow);
    connect(box, &QCheckBox::toggled, this, &TForm_Test_Own_Decomposition::UpdateButtons);
    attributeBoxes_.push_back(box);
    shown_.push_back(a);
  }
  // Measured with the attribute boxes in place, which may widen the window.
  exercise::FitLines(*this, *canvas_, *Memo_Dep, 0);
  UpdateButtons();
}

void TForm_Test_Own_Decomposition::UpdateButtons() {
  Button_Pridat->setEnabled(std::any_of(attributeBoxes_.begin(), attributeBoxes_.end(),
                                        [](const QCheckBox* box) { return box->isChecked(); }));
  Button_Odebrat->setEnabled(List_casti->currentRow() >= 0);
}

void TForm_Test_Own_Decomposition::Button_PridatClick() {
  AttributeSet part;
  for (std::size_t k = 0; k < attributeBoxes_.size(); ++k) {
    if (attributeBoxes_[k]->isChecked()) part.Add(shown_[k]);
  }
  if (part.Empty()) return;
  parts_.push_back(part);
  List_casti->addItem(tr("Cast %1: %2").arg(parts_.size()).arg(PartNames(part)));
  FitParts();
  // The boxes start empty again for the next part.
  for (QCheckBox* box : attributeBoxes_)
    box->setChecked(false);
  UpdateButtons();
}

void TForm_Test_Own_Decomposition::FitParts() {
  // The list is as wide as its longest part, as far as the screen lets the
  // window grow; a longer part wraps.
  List_casti->setMinimumWidth(0);
  const int room = RoomFor(*this, *canvas_, *List_casti);
  const QFontMetrics metrics(List_casti->font());
  int widest = 0;
  for (int row = 0; row < List_casti->count(); ++row)
    widest = std::max(widest, metrics.horizontalAdvance(List_casti->item(row)->text()));
  // The item's margins on both sides, the frame and the upright scroll bar.
  const QStyle* style = List_casti->style();
  const int needed =
      widest + 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, List_casti) + 1) +
      2 * List_casti->frameWidth() +
      style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, List_casti);
  List_casti->setMinimumWidth(std::min(needed, room));
  GrowToContent(*this, *canvas_);
}

void TForm_Test_Own_Decomposition::Button_OdebratClick() {
  const int row = List_casti->currentRow();
  if (row < 0) return;
  parts_.erase(parts_.begin() + row);
  // The parts behind it move up, and so do their numbers.
  List_casti->clear();
  for (std::size_t k = 0; k < parts_.size(); ++k)
    List_casti->addItem(tr("Cast %1: %2").arg(k + 1).arg(PartNames(parts_[k])));
  FitParts();
  UpdateButtons();
}

void TForm_Test_Own_Decomposition::Button_VyhodnotitClick() {
  if (parts_.empty()) {
    Memo_Vysledek->setPlainText(tr("Dekompozice nema zadnou cast: pridejte alespon jednu."));
    return;
  }
  const DecompositionVerdict verdict = CheckDecomposition(attributeNames_, dependencies_, parts_);
  Memo_Vysledek->setPlainText(VerdictLines(verdict).join(QLatin1Char('\n')));
}

QString TForm_Test_Own_Decomposition::PartNames(AttributeSet part) const {
  QStringList names;
  for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
    if (part.Has(a)) names << ToText(attributeNames_[a]);
  }
  return Joined(names);
}

QStringList TForm_Test_Own_Decomposition::VerdictLines(const DecompositionVerdict& verdict) const {
  QStringList lines;
  if (verdict.uncovered.Empty()) {
    lines << tr("Pokryti: kazdy atribut patri do nektere casti");
  } else {
    lines << tr("Atributy bez casti: %1").arg(PartNames(verdict.uncovered));
  }

  if (verdict.losslessRow) {
    lines << tr("Spojeni je bezztratove: radek %1 obsahuje jen a").arg(*verdict.losslessRow + 1);
  } else {
    lines << tr("Spojeni je ztratove: po chase neobsahuje zadny radek tabulky jen a");
    lines << ChaseTableLines(verdict);
  }

  if (verdict.lost.empty()) {
    lines << tr("Zavislosti jsou zachovany: kazdou odvodi zavislosti platne v castech");
  } else {
    QStringList lost;
    for (const Dependency& d : verdict.lost)
      lost << ToText(ShowDependency(d, attributeNames_));
    lines << tr("Ztracene zavislosti (neodvodi je zavislosti platne v castech): %1")
                 .arg(Joined(lost));
  }

  for (std::size_t k = 0; k < verdict.parts.size(); ++k) {
    const PartVerdict& part = verdict.parts[k];
    QStringList keys;
    for (const KeyRecord& key : part.keys)
      keys << KeyLineText(ShowKey(key, attributeNames_)).trimmed();
    const QString reason =
        part.reason ? ToText(ShowDependency(*part.reason, attributeNames_)) : QString();
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
                 .arg(PartNames(part.member), Joined(keys), level);
  }
  return lines;
}

QStringList TForm_Test_Own_Decomposition::ChaseTableLines(
    const DecompositionVerdict& verdict) const {
  // Cell texts first, so that every column can take its widest entry.
  std::vector<QStringList> rows;
  QStringList header{QString()};
  for (const AttributeIndex a : verdict.columns)
    header << ToText(attributeNames_[a]);
  rows.push_back(header);
  for (std::size_t r = 0; r < verdict.chase.size(); ++r) {
    QStringList row{QString::number(r + 1)};
    for (const ChaseCell& cell : verdict.chase[r])
      row << (cell.distinguished ? QStringLiteral("a") : QStringLiteral("b%1").arg(cell.row + 1));
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

void TForm_Test_Own_Decomposition::FormClose() {
  for (QCheckBox* box : attributeBoxes_)
    delete box;
  attributeBoxes_.clear();
  shown_.clear();
  parts_.clear();
  dependencies_.clear();
  attributeNames_ = {};
  List_casti->clear();
  Memo_Dep->clear();
  Memo_Vysledek->clear();
  UpdateButtons();
}
