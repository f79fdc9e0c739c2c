#include "TForm_Test_Closure.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Closure.h"
#include "Data_statement_2.h"
#include "Display.h"
#include "ExerciseSupport.h"

namespace {

constexpr int WindowWidth = 948;
constexpr int WindowHeight = 390;
// The columns are taller, and their buttons lower, than a column of seven
// boxes would need: eight boxes (tops 10 to 255, 30 high) fit above the
// button, and from the ninth on every box grows the column by one box pitch.
constexpr int ColumnHeight = 323;
constexpr int FrameHeight = ColumnHeight + 12;
constexpr int ColumnButtonTop = 290;
constexpr int NovyTop = 281;
constexpr int Pitch = 35;
constexpr int LastTopWithoutGrowing = 280;

}  // namespace

TForm_Test_Closure::TForm_Test_Closure(SchemaHost& host, MessageService& messages, QWidget* parent)
    : QWidget(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Test_Closure"));
  setWindowTitle(QStringLiteral("Testovaci modul - Uzaver"));
  canvas_ = exercise::MakeCanvas(*this, QSize(WindowWidth, WindowHeight));

  a_spravnaOdpoved =
      exercise::MakeAction(this, "a_spravnaOdpoved", QStringLiteral("&Spravna odpoved"));
  a_new = exercise::MakeAction(this, "a_new", QStringLiteral("&Nove zadani"));
  a_clear = exercise::MakeAction(this, "a_clear", QStringLiteral("&Clear"));
  connect(a_spravnaOdpoved, &QAction::triggered, this,
          &TForm_Test_Closure::a_spravnaOdpovedExecute);
  connect(a_new, &QAction::triggered, this, &TForm_Test_Closure::a_newExecute);
  connect(a_clear, &QAction::triggered, this, &TForm_Test_Closure::a_clearExecute);

  const QString label1Text = QStringLiteral("Zvolte si atributy pro A  :");
  Label1 = exercise::MakeLabel(canvas_, "Label1", label1Text, QPoint(42, 13), true, true);
  // The plus stands raised right behind the A, so that the caption reads A+.
  const QFontMetrics metrics(Label1->font());
  Label2 = exercise::MakeLabel(canvas_, "Label2", QStringLiteral("+"), QPoint(0, 0), true);
  Label2->move(
      42 + metrics.horizontalAdvance(label1Text.left(label1Text.indexOf(QLatin1Char('A')) + 1)),
      13 - metrics.ascent() / 2);
  Label_odpoved =
      exercise::MakeLabel(canvas_, "Label_odpoved", QStringLiteral("Zadejte vase reseni:"),
                          QPoint(237, 13), true, true);
  Label3 = exercise::MakeLabel(canvas_, "Label3", QStringLiteral("Spravna odpoved:"),
                               QPoint(438, 13), true, true);
  Label4 = exercise::MakeLabel(canvas_, "Label4", QStringLiteral("Zavislosti:"), QPoint(662, 25),
                               true, true);

  Panel_BckGr_1 = exercise::MakeColouredPanel(canvas_, "Panel_BckGr_1",
                                              QRect(29, 33, 202, FrameHeight), exercise::Navy);
  Panel_BckGr_odpoved = exercise::MakeColouredPanel(
      canvas_, "Panel_BckGr_odpoved", QRect(230, 33, 202, FrameHeight), exercise::Navy);
  Panel_BckGr_reseni = exercise::MakeColouredPanel(
      canvas_, "Panel_BckGr_reseni", QRect(432, 33, 202, FrameHeight), exercise::Navy);
  Panel_BckGr_odpoved->hide();
  Panel_BckGr_reseni->hide();

  Panel1 = exercise::MakePanel(canvas_, "Panel1", QRect(35, 39, 190, ColumnHeight));
  Panel_odpoved = exercise::MakePanel(canvas_, "Panel_odpoved", QRect(237, 39, 190, ColumnHeight));
  Panel_reseni = exercise::MakePanel(canvas_, "Panel_reseni", QRect(438, 39, 190, ColumnHeight));
  // The solution column only shows; its boxes cannot be changed.
  Panel_reseni->setEnabled(false);

  OK = new QPushButton(QStringLiteral("&OK"), Panel1);
  OK->setObjectName(QStringLiteral("OK"));
  OK->setGeometry(59, ColumnButtonTop, 75, 25);
  OK->setDefault(true);
  connect(OK, &QPushButton::clicked, this, &TForm_Test_Closure::OKClick);
  Button_Odpoved = exercise::MakeActionButton(Panel_odpoved, "Button_Odpoved", a_spravnaOdpoved,
                                              QRect(38, ColumnButtonTop, 115, 25));
  Button_Odpoved->hide();

  Memo1 = new QPlainTextEdit(canvas_);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setGeometry(662, 51, 190, 215);
  Button_Novy =
      exercise::MakeActionButton(canvas_, "Button_Novy", a_new, QRect(666, NovyTop, 100, 25));
  Button_Novy->hide();
}

QCheckBox* TForm_Test_Closure::AddBox(QFrame* column, std::vector<QCheckBox*>& boxes,
                                      const QString& name) {
  auto* box = new QCheckBox(name, column);
  exercise::PlaceInColumn(*box, boxes.empty() ? nullptr : boxes.back(), 180);
  boxes.push_back(box);
  return box;
}

void TForm_Test_Closure::Grow() {
  for (QFrame* panel : {Panel1, Panel_odpoved, Panel_reseni, Panel_BckGr_1, Panel_BckGr_odpoved,
                        Panel_BckGr_reseni}) {
    panel->resize(panel->width(), panel->height() + Pitch);
  }
  for (QPushButton* button : {OK, Button_Odpoved, Button_Novy})
    button->move(button->x(), button->y() + Pitch);
  exercise::GrowWindow(*this, *canvas_, Pitch);
}

void TForm_Test_Closure::PrepareExercise() {
  // Opening the exercise again while it is open starts it afresh instead of
  // building a second task over the first.
  FormClose();
  const Schema& schema = host_.LiveSchema();
  if (schema.attributes[0].empty()) {
    OK->setEnabled(false);
    return;
  }
  dependencies = schema.dependencies;
  attributeNames = schema.attributes;
  shownAttributes.clear();
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (attributeNames[i].empty()) continue;
    ++attributeCount;
    shownAttributes.push_back(i);
    const QCheckBox* box = AddBox(Panel1, taskBoxes, ToText(attributeNames[i]));
    Panel_BckGr_1->show();
    if (box->y() > LastTopWithoutGrowing) Grow();
  }
  OK->raise();
  exercise::ListFromTop(*Memo1, ListDependencyLines(dependencies, attributeNames));
}

void TForm_Test_Closure::OKClick() {
  chosenSet = AttributeSet{};
  for (std::size_t k = 0; k < taskBoxes.size(); ++k) {
    if (taskBoxes[k]->isChecked()) chosenSet.Add(shownAttributes[k]);
  }
  if (chosenSet.Empty()) {
    messages_.Inform(QStringLiteral("Musite zvolit alespon 1 atribut"));
    return;
  }
  for (const QCheckBox* task : taskBoxes)
    AddBox(Panel_odpoved, answerBoxes, task->text());
  Button_Odpoved->raise();
  Panel_BckGr_1->hide();
  Panel_BckGr_odpoved->show();
  Button_Odpoved->show();
  OK->setEnabled(false);
  Panel1->setEnabled(false);
  Button_Odpoved->setFocus();
}

void TForm_Test_Closure::a_spravnaOdpovedExecute() {
  Button_Odpoved->setEnabled(false);
  AttributeSet closure = chosenSet;
  ComputeClosure(closure, NoAttribute, dependencies, nullptr);
  bool wrong = false;
  for (std::size_t k = 0; k < answerBoxes.size(); ++k) {
    QCheckBox* solution = AddBox(Panel_reseni, solutionBoxes, answerBoxes[k]->text());
    const bool member = closure.Has(shownAttributes[k]);
    solution->setChecked(member);
    if (answerBoxes[k]->isChecked() != member) {
      exercise::SetFontColour(*solution, colours::WrongRed);
      wrong = true;
    }
  }
  Panel_BckGr_odpoved->hide();
  Panel_BckGr_reseni->show();
  Panel_odpoved->setEnabled(false);
  Button_Novy->show();
  messages_.Inform(wrong ? QStringLiteral("Ve vasi odpovedi byly chyby.")
                         : QStringLiteral("Gratuluji! Vase odpoved je spravna"));
  Button_Novy->setFocus();
}

void TForm_Test_Closure::a_newExecute() {
  a_clearExecute();
  for (AttributeIndex i : shownAttributes) {
    AddBox(Panel1, taskBoxes, ToText(attributeNames[i]));
    Panel_BckGr_1->show();
  }
  OK->raise();
  OK->setFocus();
}

void TForm_Test_Closure::a_clearExecute() {
  for (QWidget* w : std::initializer_list<QWidget*>{
           Panel_BckGr_1, Panel_BckGr_odpoved, Panel_BckGr_reseni, Button_Odpoved, Button_Novy}) {
    w->hide();
  }
  for (QWidget* w : std::initializer_list<QWidget*>{Panel_odpoved, OK, Panel1, Button_Odpoved})
    w->setEnabled(true);
  for (std::vector<QCheckBox*>* boxes : {&taskBoxes, &answerBoxes, &solutionBoxes}) {
    for (QCheckBox* box : *boxes)
      delete box;
    boxes->clear();
  }
  attributeCount = 0;
  // The window keeps the height reached at preparation: a new task on the
  // same schema needs the same room.
}

void TForm_Test_Closure::FormClose() {
  a_clearExecute();
  Memo1->clear();
  for (QFrame* panel : {Panel1, Panel_odpoved, Panel_reseni})
    panel->resize(panel->width(), ColumnHeight);
  for (QFrame* panel : {Panel_BckGr_1, Panel_BckGr_odpoved, Panel_BckGr_reseni})
    panel->resize(panel->width(), FrameHeight);
  OK->move(OK->x(), ColumnButtonTop);
  Button_Odpoved->move(Button_Odpoved->x(), ColumnButtonTop);
  Button_Novy->move(Button_Novy->x(), NovyTop);
  exercise::SetWindowHeight(*this, *canvas_, WindowHeight);
  OK->setEnabled(true);
  Button_Odpoved->setEnabled(true);
  Button_Novy->setEnabled(true);
}

void TForm_Test_Closure::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void TForm_Test_Closure::keyPressEvent(QKeyEvent* event) {
  if (!exercise::PressDefaultButton(event, OK)) QWidget::keyPressEvent(event);
}
