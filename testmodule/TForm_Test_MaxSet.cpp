#include "TForm_Test_MaxSet.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "Data_statement_2.h"
#include "Display.h"
#include "ExerciseSupport.h"
#include "MaxSets.h"

namespace {

constexpr int WindowWidth = 865;
constexpr int WindowHeight = 450;
// As in the closure exercise, the columns hold eight controls above their
// button; from the ninth on every control grows them by one pitch.
constexpr int ColumnHeight = 323;
constexpr int FrameHeight = ColumnHeight + 12;
constexpr int ColumnButtonTop = 290;
constexpr int NovyTop = 313;
constexpr int MemoHeight = 241;
constexpr int ControlWidth = 140;
constexpr int Pitch = 35;
constexpr int LastTopWithoutGrowing = 280;

}  // namespace

TForm_Test_MaxSet::TForm_Test_MaxSet(SchemaHost& host, MessageService& messages, QWidget* parent)
    : QWidget(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Test_MaxSet"));
  setWindowTitle(QStringLiteral("Testovaci modul  - Maximalni mnoziny"));
  canvas_ = exercise::MakeCanvas(*this, QSize(WindowWidth, WindowHeight));

  a_spravnaOdpoved =
      exercise::MakeAction(this, "a_spravnaOdpoved", QStringLiteral("&Spravne reseni"));
  a_new = exercise::MakeAction(this, "a_new", QStringLiteral("&Nove zadani"));
  a_clear = exercise::MakeAction(this, "a_clear", QStringLiteral("&Clear"));
  connect(a_spravnaOdpoved, &QAction::triggered, this, &TForm_Test_MaxSet::a_spravnaOdpovedExecute);
  connect(a_new, &QAction::triggered, this, &TForm_Test_MaxSet::a_newExecute);
  connect(a_clear, &QAction::triggered, this, &TForm_Test_MaxSet::a_clearExecute);

  Label1 = exercise::MakeLabel(canvas_, "Label1", QStringLiteral("Zvol si atribut pro max(A):"),
                               QPoint(55, 20));
  Label2 = exercise::MakeLabel(canvas_, "Label2", QStringLiteral("Zadejte vase reseni:"),
                               QPoint(258, 20));
  Label3 =
      exercise::MakeLabel(canvas_, "Label3", QStringLiteral("Spravna odpoved:"), QPoint(440, 20));
  Label4 = exercise::MakeLabel(canvas_, "Label4", QStringLiteral("Zavislosti:"), QPoint(622, 33));

  const QColor highlight = QApplication::palette().color(QPalette::Highlight);
  Panel_BckGr_1 = exercise::MakeColouredPanel(canvas_, "Panel_BckGr_1",
                                              QRect(50, 46, 175, FrameHeight), highlight);
  Panel_BckGr_odpoved = exercise::MakeColouredPanel(canvas_, "Panel_BckGr_odpoved",
                                                    QRect(238, 46, 176, FrameHeight), highlight);
  Panel_BckGr_reseni = exercise::MakeColouredPanel(canvas_, "Panel_BckGr_reseni",
                                                   QRect(420, 46, 176, FrameHeight), highlight);
  Panel_BckGr_odpoved->hide();
  Panel_BckGr_reseni->hide();

  Panel1 = exercise::MakePanel(canvas_, "Panel1", QRect(55, 52, 164, ColumnHeight));
  Panel_odpoved = exercise::MakePanel(canvas_, "Panel_odpoved", QRect(245, 52, 162, ColumnHeight));
  Panel_reseni = exercise::MakePanel(canvas_, "Panel_reseni", QRect(427, 52, 162, ColumnHeight));
  // The solution column only shows; its boxes cannot be changed.
  Panel_reseni->setEnabled(false);

  OK = new QPushButton(QStringLiteral("OK"), Panel1);
  OK->setObjectName(QStringLiteral("OK"));
  OK->setGeometry(52, ColumnButtonTop, 46, 26);
  OK->setDefault(true);
  connect(OK, &QPushButton::clicked, this, &TForm_Test_MaxSet::OKClick);
  Button_Odpoved = exercise::MakeActionButton(Panel_odpoved, "Button_Odpoved", a_spravnaOdpoved,
                                              QRect(39, ColumnButtonTop, 92, 26));
  Button_Odpoved->hide();

  Memo1 = new QPlainTextEdit(canvas_);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setGeometry(622, 59, 162, MemoHeight);
  Button_Novy =
      exercise::MakeActionButton(canvas_, "Button_Novy", a_new, QRect(661, NovyTop, 92, 26));
  Button_Novy->hide();
}

QRadioButton* TForm_Test_MaxSet::AddChoice(const QString& name) {
  auto* choice = new QRadioButton(name, Panel1);
  exercise::PlaceInColumn(*choice, taskChoices.empty() ? nullptr : taskChoices.back(),
                          ControlWidth);
  taskChoices.push_back(choice);
  return choice;
}

QCheckBox* TForm_Test_MaxSet::AddBox(QFrame* column, std::vector<QCheckBox*>& boxes,
                                     const QString& name) {
  auto* box = new QCheckBox(name, column);
  exercise::PlaceInColumn(*box, boxes.empty() ? nullptr : boxes.back(), ControlWidth);
  boxes.push_back(box);
  return box;
}

void TForm_Test_MaxSet::Grow() {
  for (QFrame* panel : {Panel1, Panel_BckGr_1, Panel_odpoved, Panel_BckGr_odpoved, Panel_reseni,
                        Panel_BckGr_reseni}) {
    panel->resize(panel->width(), panel->height() + Pitch);
  }
  for (QPushButton* button : {OK, Button_Odpoved, Button_Novy})
    button->move(button->x(), button->y() + Pitch);
  exercise::GrowWindow(*this, *canvas_, Pitch);
}

void TForm_Test_MaxSet::PrepareExercise() {
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
    shownAttributes.push_back(i);
    const QRadioButton* choice = AddChoice(ToText(attributeNames[i]));
    Panel_BckGr_1->show();
    if (choice->y() > LastTopWithoutGrowing) Grow();
  }
  OK->raise();
  exercise::ListFromTop(*Memo1, ListDependencyLines(dependencies, attributeNames));
  Panel_BckGr_reseni->hide();
  Panel_BckGr_odpoved->hide();
  Button_Odpoved->hide();
  Button_Novy->hide();
}

void TForm_Test_MaxSet::OKClick() {
  chosenSet = AttributeSet{};
  for (std::size_t k = 0; k < taskChoices.size(); ++k) {
    if (taskChoices[k]->isChecked()) chosenSet.Add(shownAttributes[k]);
  }
  if (chosenSet.Empty()) {
    messages_.Inform(QStringLiteral("Musite zvolit alespon 1 atribut"));
    return;
  }
  for (const QRadioButton* choice : taskChoices)
    AddBox(Panel_odpoved, answerBoxes, choice->text());
  Button_Odpoved->raise();
  Panel_BckGr_1->hide();
  Panel_BckGr_odpoved->show();
  Button_Odpoved->show();
  OK->setEnabled(false);
  Panel1->setEnabled(false);
  Button_Odpoved->setFocus();
}

void TForm_Test_MaxSet::a_spravnaOdpovedExecute() {
  AttributeIndex a = 0;
  for (std::size_t k = 0; k < taskChoices.size(); ++k) {
    if (taskChoices[k]->isChecked()) {
      a = shownAttributes[k];
      break;
    }
  }
  const AttributeSet unionOfMaxSets = UnionOfMaximalSets(dependencies, attributeNames, a);
  bool wrong = false;
  for (std::size_t k = 0; k < answerBoxes.size(); ++k) {
    QCheckBox* solution = AddBox(Panel_reseni, solutionBoxes, answerBoxes[k]->text());
    const bool member = unionOfMaxSets.Has(shownAttributes[k]);
    solution->setChecked(member);
    if (answerBoxes[k]->isChecked() != member) {
      exercise::SetFontColour(*solution, colours::WrongRed);
      wrong = true;
    }
  }
  Panel_BckGr_odpoved->hide();
  Panel_BckGr_reseni->show();
  Button_Novy->show();
  Button_Novy->setEnabled(true);
  Button_Odpoved->setEnabled(false);
  Panel_odpoved->setEnabled(false);
  messages_.Inform(wrong ? QStringLiteral("Ve vasi odpovedi byly chyby.")
                         : QStringLiteral("Gratuluji! Vase odpoved je spravna"));
}

void TForm_Test_MaxSet::a_newExecute() {
  a_clearExecute();
  // The columns keep the size reached at preparation, which already fits
  // every attribute of the schema.
  for (AttributeIndex i : shownAttributes)
    AddChoice(ToText(attributeNames[i]));
  OK->raise();
  OK->setFocus();
}

void TForm_Test_MaxSet::a_clearExecute() {
  Panel_BckGr_1->show();
  for (QWidget* w : std::initializer_list<QWidget*>{Panel_BckGr_odpoved, Panel_BckGr_reseni,
                                                    Button_Odpoved, Button_Novy}) {
    w->hide();
  }
  for (QWidget* w : std::initializer_list<QWidget*>{Panel_odpoved, OK, Panel1, Button_Odpoved})
    w->setEnabled(true);
  for (QRadioButton* choice : taskChoices)
    delete choice;
  taskChoices.clear();
  for (std::vector<QCheckBox*>* boxes : {&answerBoxes, &solutionBoxes}) {
    for (QCheckBox* box : *boxes)
      delete box;
    boxes->clear();
  }
}

void TForm_Test_MaxSet::FormClose() {
  a_clearExecute();
  Memo1->clear();
  Memo1->resize(Memo1->width(), MemoHeight);
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
}

void TForm_Test_MaxSet::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void TForm_Test_MaxSet::keyPressEvent(QKeyEvent* event) {
  if (!exercise::PressDefaultButton(event, OK)) QWidget::keyPressEvent(event);
}
