#include "MaximalSetsWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "DataMemo.h"
#include "Display.h"
#include "OutOfDateNotice.h"
#include "Reports.h"
#include "SchemaListing.h"

namespace {

// A group box whose caption is blue, bold and underlined while its controls
// keep the window's own font and colours.
QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& caption) {
  auto* box = new QGroupBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  QFont font = box->font();
  font.setBold(true);
  font.setUnderline(true);
  box->setFont(font);
  QPalette palette = box->palette();
  palette.setColor(QPalette::WindowText, Qt::blue);
  box->setPalette(palette);
  return box;
}

// The least height of a memo that lists one family.
constexpr int kMemoHeight = 52;

template <typename Control>
Control* Place(Control* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  // Set explicitly, so that the caption's style does not pass on to them.
  QFont font = QApplication::font();
  font.setBold(false);
  font.setUnderline(false);
  control->setFont(font);
  QPalette palette = control->palette();
  palette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
  control->setPalette(palette);
  return control;
}

DataMemo* MakeMemo(QWidget* parent, const char* name, int minimumHeight) {
  auto* memo = Place(new DataMemo(parent), name);
  memo->setMinimumHeight(minimumHeight);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setEnabled(false);
  return memo;
}

// Appends all lines in one edit, behind the listing's note when it has one;
// a MAX family can run to many thousands of sets.
void AppendListing(DataMemo& memo, const MaximalSetsSession::Listing& listing) {
  QString text = listing.note;
  for (const std::string& line : listing.lines) {
    if (!text.isEmpty()) text += QLatin1Char('\n');
    text += ToText(line);
  }
  AppendLine(memo, text);
}

}  // namespace

MaximalSetsWindow::MaximalSetsWindow(MaximalSetsSession& session, SchemaHost& host,
                                     MessageService& messages, ErrorDisplay& errors,
                                     QWidget* parent)
    : ToolWindow(errors, parent), session_(session), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_MaxSet"));
  setWindowTitle(tr("Schemario - Maximalni mnoziny"));
  BuildControls();
  // Wide enough that the long sets of a large schema take few lines each.
  resize(960, 650);
  OutOfDateNotice::Follow(*this, session_);
}

void MaximalSetsWindow::BuildControls() {
  GroupBox1 = MakeGroupBox(this, "GroupBox1", tr("Vypocet  max (A)"));
  Label4 = Place(new QLabel(tr("Zvolte atribut A:"), GroupBox1), "Label4");
  CB_MaxSetA = Place(new QComboBox(GroupBox1), "CB_MaxSetA");
  // The list is as wide as its longest name.
  CB_MaxSetA->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  CB_MaxSetA->setMinimumWidth(160);
  Button2 = Place(new QPushButton(tr("Maximalni mnozina (A)"), GroupBox1), "Button2");
  Button2->setMinimumWidth(180);
  connect(Button2, &QPushButton::clicked, this, &MaximalSetsWindow::showMaxSetsOfAttribute);

  Label_lhs = Place(new QLabel(QStringLiteral("lhs ( A)"), GroupBox1), "Label_lhs");
  Memo_lhs = MakeMemo(GroupBox1, "Memo_lhs", kMemoHeight);
  Label_TR = Place(new QLabel(QStringLiteral("Tr (lhs (A))"), GroupBox1), "Label_TR");
  Memo_TR = MakeMemo(GroupBox1, "Memo_TR", kMemoHeight);
  Label_max = Place(new QLabel(QStringLiteral("max (A)"), GroupBox1), "Label_max");
  Memo_max = MakeMemo(GroupBox1, "Memo_max", kMemoHeight);
  for (QLabel* label : {Label_lhs, Label_TR, Label_max})
    label->setEnabled(false);

  a_prime = new QAction(tr("Je A klicovy atribut ?"), this);
  a_prime->setObjectName(QStringLiteral("a_prime"));
  a_prime->setToolTip(
      tr("Na zaklade vypoctenych maximalnich mnozin rekne je-li A klicovy atribut"));
  connect(a_prime, &QAction::triggered, this, &MaximalSetsWindow::tellWhetherPrime);
  Button_Prime = Place(new QPushButton(a_prime->text(), GroupBox1), "Button_Prime");
  Button_Prime->setMinimumWidth(200);
  Button_Prime->setToolTip(a_prime->toolTip());
  connect(Button_Prime, &QPushButton::clicked, a_prime, &QAction::trigger);
  Button_Prime->hide();

  GroupBox_MAX = MakeGroupBox(this, "GroupBox_MAX", tr("Vypocet MAX (R)"));
  Memo_MAX1 = MakeMemo(GroupBox_MAX, "Memo_MAX1", 4 * kMemoHeight);
  Button1 = Place(new QPushButton(tr("Maximalni mnoziny"), GroupBox_MAX), "Button1");
  Button1->setMinimumWidth(146);
  connect(Button1, &QPushButton::clicked, this, &MaximalSetsWindow::showMaxFamily);

  a_BCNF = new QAction(tr("Je schema v &BCNF ?"), this);
  a_BCNF->setObjectName(QStringLiteral("a_BCNF"));
  a_BCNF->setToolTip(tr("Na zaklade vypoctu maximalnich mnozin rekne, zda je schema v BCNF"));
  connect(a_BCNF, &QAction::triggered, this, &MaximalSetsWindow::tellWhetherBcnf);
  Button_BCNF = Place(new QPushButton(a_BCNF->text(), GroupBox_MAX), "Button_BCNF");
  Button_BCNF->setMinimumWidth(146);
  Button_BCNF->setToolTip(a_BCNF->toolTip());
  connect(Button_BCNF, &QPushButton::clicked, a_BCNF, &QAction::trigger);
  Button_BCNF->hide();

  // Two more actions of the window that no control is bound to; the buttons
  // run the computations directly.
  a_maxsetcomputation = new QAction(QStringLiteral("a_maxsetcomputation"), this);
  a_maxsetcomputation->setObjectName(QStringLiteral("a_maxsetcomputation"));
  a_maxsetAcomputation = new QAction(QStringLiteral("Max Set A"), this);
  a_maxsetAcomputation->setObjectName(QStringLiteral("a_maxsetAcomputation"));
  connect(a_maxsetAcomputation, &QAction::triggered, this,
          [this] { RunStep([this] { listChosenAttribute(); }); });

  // The memos take the room the window gives; a long family scrolls inside
  // its memo.
  auto* choice = new QHBoxLayout;
  choice->addWidget(Label4);
  choice->addWidget(CB_MaxSetA);
  choice->addSpacing(12);
  choice->addWidget(Button2);
  choice->addStretch(1);
  auto* family = new QVBoxLayout(GroupBox1);
  family->setContentsMargins(16, 12, 16, 10);
  family->setSpacing(0);
  family->addLayout(choice);
  for (auto [label, memo] : {std::pair{Label_lhs, Memo_lhs}, std::pair{Label_TR, Memo_TR},
                             std::pair{Label_max, Memo_max}}) {
    family->addSpacing(10);
    family->addWidget(label);
    family->addWidget(memo, 1);
  }
  family->addSpacing(8);
  family->addWidget(Button_Prime, 0, Qt::AlignLeft);

  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(10);
  buttons->addWidget(Button1);
  buttons->addWidget(Button_BCNF);
  buttons->addStretch(1);
  auto* all = new QHBoxLayout(GroupBox_MAX);
  all->setContentsMargins(16, 12, 16, 14);
  all->setSpacing(14);
  all->addWidget(Memo_MAX1, 1);
  all->addLayout(buttons);

  auto* window = new QVBoxLayout(this);
  window->setContentsMargins(8, 8, 8, 8);
  window->addWidget(GroupBox1, 1);
  window->addWidget(GroupBox_MAX, 1);
}

void MaximalSetsWindow::load() {
  session_.load(host_.LiveSchema());
  CB_MaxSetA->clear();
  CB_MaxSetA->addItem(QString());
  for (int i = 0; i < session_.attributeCount(); ++i)
    CB_MaxSetA->addItem(ToText(session_.names()[i]));
  CB_MaxSetA->setCurrentIndex(0);
}

void MaximalSetsWindow::showMaxSetsOfAttribute() {
  RunStep([this] {
    if (session_.attributeCount() == 0) return;
    if (CB_MaxSetA->currentIndex() < 1) {
      messages_.Inform(tr("Zvolte atribut A"));
      return;
    }
    for (QPlainTextEdit* memo : {Memo_lhs, Memo_TR, Memo_max}) {
      memo->clear();
      memo->setEnabled(true);
    }
    const QString name = CB_MaxSetA->currentText();
    Label_lhs->setText(QStringLiteral("lhs ( ") + name + QStringLiteral(" )"));
    Label_TR->setText(QStringLiteral("TR (lhs ( ") + name + QStringLiteral(" ))"));
    Label_max->setText(QStringLiteral("max ( ") + name + QStringLiteral(" )"));
    for (QLabel* label : {Label_lhs, Label_TR, Label_max})
      label->setEnabled(true);
    listChosenAttribute();
    Button_Prime->show();
  });
}

void MaximalSetsWindow::listChosenAttribute() {
  const int item = CB_MaxSetA->currentIndex();
  if (item < 1 || !session_.computeAttribute(static_cast<AttributeIndex>(item - 1))) return;
  AppendListing(*Memo_lhs, session_.lhsListing());
  AppendListing(*Memo_TR, session_.transversalsListing());
  AppendListing(*Memo_max, session_.maxOfAListing());
}

void MaximalSetsWindow::showMaxFamily() {
  RunStep([this] {
    if (session_.attributeCount() == 0) return;
    Memo_MAX1->setEnabled(true);
    session_.computeMaxFamily();
    AppendListing(*Memo_MAX1, session_.maxFamilyListing());
    Button_BCNF->show();
  });
}

void MaximalSetsWindow::tellWhetherPrime() {
  RunStep([this] {
    const std::optional<AttributeIndex> chosen = session_.chosenAttribute();
    const std::optional<bool> prime = session_.isPrime();
    if (!chosen || !prime) return;
    messages_.Inform(PrimeVerdictText(ToText(NameOf(session_.names(), *chosen)), *prime));
  });
}

void MaximalSetsWindow::tellWhetherBcnf() {
  RunStep([this] {
    if (const std::optional<bool> bcnf = session_.isInBcnf())
      messages_.Inform(BcnfVerdictText(*bcnf));
  });
}

void MaximalSetsWindow::resetWindow() {
  for (QPlainTextEdit* memo : {Memo_MAX1, Memo_lhs, Memo_TR, Memo_max}) {
    memo->clear();
    memo->setEnabled(false);
  }
  Label_lhs->setText(QStringLiteral("lhs (A)"));
  Label_TR->setText(QStringLiteral("TR (lhs (A))"));
  Label_max->setText(QStringLiteral("max (A)"));
  for (QLabel* label : {Label_lhs, Label_TR, Label_max})
    label->setEnabled(false);
  Button_Prime->hide();
  Button_BCNF->hide();
  CB_MaxSetA->clear();
  session_.clear();
}
