#include "OwnDecompositionExercise.h"

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

#include "DataMemo.h"
#include "Display.h"
#include "ExerciseSupport.h"
#include "RowPanel.h"
#include "SchemaListing.h"

namespace {

// Attribute boxes per row of the grid: four long names still fit side by
// side in the window's width.
constexpr int BoxesPerRow = 4;

}  // namespace

OwnDecompositionExercise::OwnDecompositionExercise(OwnDecompositionExerciseSession& session,
                                                   SchemaHost& host, RandomSource& random,
                                                   MessageService& messages, ErrorDisplay& errors,
                                                   QWidget* parent)
    : ExerciseWindow(session, host, random, messages, errors, parent), session_(session) {
  setObjectName(QStringLiteral("Form_Test_Own_Decomposition"));
  setWindowTitle(tr("Testovaci modul - Vlastni dekompozice"));
  resize(760, 640);
  // A schema with many attributes or a long evaluation scrolls inside the
  // window, which stays within a small screen.
  canvas_ = canvas();
  auto* layout = new QVBoxLayout(canvas_);

  layout->addWidget(new QLabel(tr("Zavislosti schematu:"), canvas_));
  Memo_Dep = exercise::MakeDependencyMemo(canvas_, "Memo_Dep");
  Memo_Dep->setMaximumHeight(120);
  layout->addWidget(Memo_Dep);

  GB_atributy =
      new QGroupBox(tr("Atributy nove casti (zaskrtnete a stisknete Pridat cast)"), canvas_);
  GB_atributy->setObjectName(QStringLiteral("GB_atributy"));
  auto* boxes = new QVBoxLayout(GB_atributy);
  attributeRows_ = new RowPanel(GB_atributy);
  boxes->addWidget(attributeRows_);
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
  connect(Button_Pridat, &QPushButton::clicked, this, &OwnDecompositionExercise::addPart);
  connect(Button_Odebrat, &QPushButton::clicked, this, &OwnDecompositionExercise::removePart);
  connect(Button_Vyhodnotit, &QPushButton::clicked, this, &OwnDecompositionExercise::evaluate);

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
          &OwnDecompositionExercise::updateButtons);

  layout->addWidget(new QLabel(tr("Hodnoceni:"), canvas_));
  // A long line (the lost dependencies, a part's keys) goes on onto further
  // lines within the window's width.
  Memo_Vysledek = new DataMemo(canvas_);
  Memo_Vysledek->setObjectName(QStringLiteral("Memo_Vysledek"));
  // The chase table lines up only in a font of equal widths.
  Memo_Vysledek->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  layout->addWidget(Memo_Vysledek, 1);

  connect(&session_, &OwnDecompositionExerciseSession::taskChanged, this,
          &OwnDecompositionExercise::buildTask);
  connect(&session_, &OwnDecompositionExerciseSession::partsChanged, this,
          &OwnDecompositionExercise::showParts);
  connect(&session_, &OwnDecompositionExerciseSession::evaluationChanged, this,
          &OwnDecompositionExercise::showEvaluation);
  connect(&session_, &ExerciseSession::phaseChanged, this,
          &OwnDecompositionExercise::updateButtons);
  updateButtons();
}

void OwnDecompositionExercise::buildTask() {
  attributeRows_->clear();
  attributeBoxes_.clear();
  for (AttributeIndex a : session_.offered()) {
    const int k = static_cast<int>(attributeBoxes_.size());
    auto* box = new QCheckBox(ToText(session_.names()[a]), attributeRows_);
    attributeRows_->grid().addWidget(box, k / BoxesPerRow, k % BoxesPerRow);
    connect(box, &QCheckBox::toggled, this, [this, a](bool picked) {
      session_.setPicked(a, picked);
      updateButtons();
    });
    attributeBoxes_.push_back(box);
  }
  Memo_Dep->clear();
  if (!session_.offered().empty()) {
    exercise::ListFromTop(*Memo_Dep,
                          ListDependencyLines(session_.dependencies(), session_.names()));
    // Measured with the attribute boxes in place, which may widen the window.
    exercise::FitLines(*this, *canvas_, *Memo_Dep, 0);
  }
  showParts();
}

void OwnDecompositionExercise::showParts() {
  List_casti->clear();
  for (std::size_t k = 0; k < session_.parts().size(); ++k)
    List_casti->addItem(tr("Cast %1: %2").arg(k + 1).arg(session_.partNames(session_.parts()[k])));
  fitParts();
  // The boxes start empty again once a part is added.
  for (std::size_t k = 0; k < attributeBoxes_.size(); ++k)
    attributeBoxes_[k]->setChecked(session_.picked().Has(session_.offered()[k]));
  updateButtons();
}

void OwnDecompositionExercise::showEvaluation() {
  Memo_Vysledek->setPlainText(BreakableAtBlanks(session_.evaluation().join(QLatin1Char('\n'))));
}

void OwnDecompositionExercise::updateButtons() {
  const bool task = session_.phase() != ExerciseSession::Phase::NoTask;
  Button_Pridat->setEnabled(session_.canAddPart());
  Button_Odebrat->setEnabled(task && List_casti->currentRow() >= 0);
  Button_Vyhodnotit->setEnabled(session_.canCheck());
}

void OwnDecompositionExercise::fitParts() {
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

void OwnDecompositionExercise::addPart() {
  RunStep([this] { session_.addPart(); });
}

void OwnDecompositionExercise::removePart() {
  const int row = List_casti->currentRow();
  if (row < 0) return;
  RunStep([this, row] { session_.removePart(static_cast<std::size_t>(row)); });
}

void OwnDecompositionExercise::evaluate() {
  RunStep([this] { session_.evaluate(); });
}
