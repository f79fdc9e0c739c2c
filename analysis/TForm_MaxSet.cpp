#include "TForm_MaxSet.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Data_statement_2.h"
#include "Display.h"
#include "Reports.h"

namespace {

// A group box whose caption is blue, bold and underlined while its controls
// keep the window's own font and colours.
QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
  auto* box = new QGroupBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(geometry);
  QFont font = box->font();
  font.setBold(true);
  font.setUnderline(true);
  box->setFont(font);
  QPalette palette = box->palette();
  palette.setColor(QPalette::WindowText, Qt::blue);
  box->setPalette(palette);
  return box;
}

template <typename Control>
Control* Place(Control* control, const char* name, const QRect& geometry) {
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(geometry);
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

QPlainTextEdit* MakeMemo(QWidget* parent, const char* name, const QRect& geometry) {
  auto* memo = Place(new QPlainTextEdit(parent), name, geometry);
  memo->setReadOnly(true);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setEnabled(false);
  return memo;
}

// Appends all lines in one edit, behind a notice when there is one; a MAX
// family can run to many thousands of sets.
void AppendListing(QPlainTextEdit& memo, const std::vector<std::string>& lines,
                   const QString& notice = {}) {
  QString text = notice;
  for (const std::string& line : lines) {
    if (!text.isEmpty()) text += QLatin1Char('\n');
    text += ToText(line);
  }
  AppendLine(memo, text);
}

}  // namespace

TForm_MaxSet::TForm_MaxSet(SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
                           QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_MaxSet"));
  setWindowTitle(tr("Schemario - Maximalni mnoziny"));
  BuildControls();
  setFixedSize(640, 650);
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());
}

void TForm_MaxSet::BuildControls() {
  GroupBox1 = MakeGroupBox(this, "GroupBox1", tr("Vypocet  max (A)"), QRect(8, 8, 624, 340));
  Label4 = Place(new QLabel(tr("Zvolte atribut A:"), GroupBox1), "Label4", QRect(16, 32, 110, 22));
  CB_MaxSetA = Place(new QComboBox(GroupBox1), "CB_MaxSetA", QRect(130, 30, 160, 26));
  Button2 = Place(new QPushButton(tr("Maximalni mnozina (A)"), GroupBox1), "Button2",
                  QRect(310, 29, 180, 28));
  connect(Button2, &QPushButton::clicked, this, &TForm_MaxSet::Button2Click);

  Label_lhs =
      Place(new QLabel(QStringLiteral("lhs ( A)"), GroupBox1), "Label_lhs", QRect(16, 68, 300, 18));
  Memo_lhs = MakeMemo(GroupBox1, "Memo_lhs", QRect(16, 86, 592, 52));
  Label_TR = Place(new QLabel(QStringLiteral("Tr (lhs (A))"), GroupBox1), "Label_TR",
                   QRect(16, 146, 300, 18));
  Memo_TR = MakeMemo(GroupBox1, "Memo_TR", QRect(16, 164, 592, 52));
  Label_max =
      Place(new QLabel(QStringLiteral("max (A)"), GroupBox1), "Label_max", QRect(16, 224, 300, 18));
  Memo_max = MakeMemo(GroupBox1, "Memo_max", QRect(16, 242, 592, 52));
  for (QLabel* label : {Label_lhs, Label_TR, Label_max})
    label->setEnabled(false);

  a_prime = new QAction(tr("Je A klicovy atribut ?"), this);
  a_prime->setObjectName(QStringLiteral("a_prime"));
  a_prime->setToolTip(
      tr("Na zaklade vypoctenych maximalnich mnozin rekne je-li A klicovy atribut"));
  connect(a_prime, &QAction::triggered, this, &TForm_MaxSet::a_primeExecute);
  Button_Prime =
      Place(new QPushButton(a_prime->text(), GroupBox1), "Button_Prime", QRect(16, 302, 200, 28));
  Button_Prime->setToolTip(a_prime->toolTip());
  connect(Button_Prime, &QPushButton::clicked, a_prime, &QAction::trigger);
  Button_Prime->hide();

  GroupBox_MAX = MakeGroupBox(this, "GroupBox_MAX", tr("Vypocet MAX (R)"), QRect(8, 356, 624, 286));
  Memo_MAX1 = MakeMemo(GroupBox_MAX, "Memo_MAX1", QRect(16, 28, 432, 244));
  Button1 = Place(new QPushButton(tr("Maximalni mnoziny"), GroupBox_MAX), "Button1",
                  QRect(462, 28, 146, 28));
  connect(Button1, &QPushButton::clicked, this, &TForm_MaxSet::Button1Click);

  a_BCNF = new QAction(tr("Je schema v &BCNF ?"), this);
  a_BCNF->setObjectName(QStringLiteral("a_BCNF"));
  a_BCNF->setToolTip(tr("Na zaklade vypoctu maximalnich mnozin rekne, zda je schema v BCNF"));
  connect(a_BCNF, &QAction::triggered, this, &TForm_MaxSet::a_BCNFExecute);
  Button_BCNF =
      Place(new QPushButton(a_BCNF->text(), GroupBox_MAX), "Button_BCNF", QRect(462, 66, 146, 28));
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
          &TForm_MaxSet::a_maxsetAcomputationExecute);
}

void TForm_MaxSet::LoadSchema() {
  notice_->hide();
  const Schema& schema = host_.LiveSchema();
  dependencies = schema.dependencies;
  attributeNames = schema.attributes;
  attributeCount = CountNonEmptyNames(attributeNames);
  CB_MaxSetA->clear();
  CB_MaxSetA->addItem(QString());
  for (int i = 0; i < MaxAttributes && !attributeNames[i].empty(); ++i)
    CB_MaxSetA->addItem(ToText(attributeNames[i]));
  CB_MaxSetA->setCurrentIndex(0);
}

void TForm_MaxSet::UnionOfMaxSets(AttributeIndex attributeIndex, AttributeSet& result,
                                  const DependencyList& dependencyList,
                                  const AttributeTable& names) {
  result = result | UnionOfMaximalSets(dependencyList, names, attributeIndex);
}

void TForm_MaxSet::Button2Click() {
  if (attributeNames[0].empty()) return;
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
  a_maxsetAcomputationExecute();
  Button_Prime->show();
}

void TForm_MaxSet::a_maxsetAcomputationExecute() {
  const int a = CB_MaxSetA->currentIndex() - 1;
  if (a < 0 || a >= attributeCount) return;
  chosenAttribute = a;
  const AttributeMaxSets result =
      ComputeMaxSetsOfAttribute(dependencies, static_cast<AttributeIndex>(a), attributeCount);
  maxOfA = result.maxOfA;
  if (IsCondensed(result.lhsFamily)) {
    AppendListing(
        *Memo_lhs,
        {LhsFamilyLine(InclusionMinimal(result.lhsFamily), attributeNames, attributeCount)},
        LhsFamilyCondensedNote(SetsStoodFor(result.lhsFamily)));
  } else {
    AppendListing(*Memo_lhs, {LhsFamilyLine(result.lhsFamily, attributeNames, attributeCount)});
  }
  AppendListing(*Memo_TR, {TransversalsLine(result.transversals, attributeNames, attributeCount)});
  AppendListing(*Memo_max, {MaxOfALine(maxOfA, attributeNames, attributeCount)});
}

void TForm_MaxSet::Button1Click() {
  if (attributeNames[0].empty()) return;
  Memo_MAX1->setEnabled(true);
  a_maxsetcomputationExecute();
  Button_BCNF->show();
}

void TForm_MaxSet::a_maxsetcomputationExecute() {
  maxSets = ComputeMaxSets(dependencies, attributeCount);
  AppendListing(*Memo_MAX1, MaxFamilyLines(maxSets, attributeNames, attributeCount),
                IsCondensed(maxSets) ? MaxFamilyCondensedNote(SetsStoodFor(maxSets)) : QString());
}

void TForm_MaxSet::a_primeExecute() {
  const AttributeIndex a = static_cast<AttributeIndex>(chosenAttribute);
  const bool prime = IsPrimeAttribute(maxOfA, a, dependencies, attributeCount);
  messages_.Inform(PrimeVerdictText(ToText(NameOf(attributeNames, a)), prime));
}

void TForm_MaxSet::a_BCNFExecute() {
  messages_.Inform(BcnfVerdictText(IsInBcnf(maxSets, dependencies, attributeCount)));
}

void TForm_MaxSet::FormClose() {
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
  attributeCount = 0;
  dependencies.clear();
  for (SetList& family : maxSets)
    family.clear();
  maxOfA.clear();
}
