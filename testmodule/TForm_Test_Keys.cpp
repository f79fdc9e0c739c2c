#include "TForm_Test_Keys.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Data_statement_2.h"
#include "Display.h"
#include "ExerciseSupport.h"
#include "Keys.h"

namespace {

// Wide enough for the whole dependency listing, which reaches 720 pixels.
constexpr int WindowWidth = 740;
constexpr int WindowHeight = 418;

}  // namespace

TForm_Test_Keys::TForm_Test_Keys(SchemaHost& host, MessageService& messages, RandomSource& random,
                                 ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages), random_(random) {
  setObjectName(QStringLiteral("Form_Test_Keys"));
  setWindowTitle(tr("Testovaci modul - Klice"));
  QWidget* canvas = exercise::MakeCanvas(*this, QSize(WindowWidth, WindowHeight));
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());
  feedback_ = new ExerciseFeedback(*this);

  a_spravnaOdpoved = exercise::MakeAction(this, "a_spravnaOdpoved", tr("&Spravna odpoved"),
                                          &TForm_Test_Keys::a_spravnaOdpovedExecute);
  a_new = exercise::MakeAction(this, "a_new", tr("&Nove zadani"), &TForm_Test_Keys::a_newExecute);
  a_clear = exercise::MakeAction(this, "a_clear", tr("&Clear"), &TForm_Test_Keys::a_clearExecute);

  Label2 = exercise::MakeLabel(canvas, "Label2", tr("Klicem schematu je:"), QPoint(57, 41), true);
  Label3 = exercise::MakeLabel(
      canvas, "Label3",
      tr("(zaskrtnete spravnou odpoved - zvolte alespon jednu z nabizenych variant)"),
      QPoint(57, 73));
  Label1 = exercise::MakeLabel(canvas, "Label1", tr("Zavislosti:"), QPoint(524, 48), true);
  Memo_Dep = new QPlainTextEdit(canvas);
  // Dependencies read best whole, one a line; a long one scrolls sideways.
  Memo_Dep->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo_Dep->setObjectName(QStringLiteral("Memo_Dep"));
  Memo_Dep->setReadOnly(true);
  Memo_Dep->setGeometry(514, 89, 206, 237);

  Panel_zadani = exercise::MakePanel(canvas, "Panel_zadani", QRect(48, 105, 193, 144));
  Panel_reseni = exercise::MakePanel(canvas, "Panel_reseni", QRect(288, 105, 193, 144));
  Panel_reseni->setEnabled(false);
  const int taskTops[] = {32, 64, 105};
  const int solutionTops[] = {32, 64, 96};
  for (int c = 0; c < KeyCandidateCount; ++c) {
    taskBoxes[c] = new QCheckBox(Panel_zadani);
    taskBoxes[c]->setObjectName(QStringLiteral("ChB_zadani%1").arg(c + 1));
    taskBoxes[c]->setGeometry(41, taskTops[c], 145, 17);
    solutionBoxes[c] = new QCheckBox(Panel_reseni);
    solutionBoxes[c]->setObjectName(QStringLiteral("ChB_odpoved%1").arg(c + 1));
    solutionBoxes[c]->setGeometry(41, solutionTops[c], 145, 17);
    solutionBoxes[c]->hide();
  }

  Button_OK =
      exercise::MakeActionButton(canvas, "Button_OK", a_spravnaOdpoved, QRect(121, 265, 120, 41));
  Button_OK->setDefault(true);
  SetDefaultButton(Button_OK);
  Button_new = exercise::MakeActionButton(canvas, "Button_new", a_new, QRect(384, 265, 97, 41));
  Button_new->hide();
}

void TForm_Test_Keys::PrepareExercise() {
  // Opening the exercise again while it is open starts it afresh.
  FormClose();
  notice_->hide();
  const Schema& schema = host_.LiveSchema();
  if (!exercise::OffersTask(schema, *Button_OK)) {
    for (QCheckBox* box : taskBoxes)
      box->hide();
    return;
  }
  dependencies = schema.dependencies;
  attributeNames = schema.attributes;
  shownAttributes = ShownAttributes(attributeNames);
  attributeCount = static_cast<int>(shownAttributes.size());
  keyList = ComputeKeys(dependencies, attributeNames);
  if (!keyList.empty()) {
    keyCount = static_cast<int>(keyList.size());
    GenerateCandidates();
    ShowCandidates();
  }
  exercise::ListFromTop(*Memo_Dep, ListDependencyLines(dependencies, attributeNames));
  for (QCheckBox* box : taskBoxes)
    box->show();
}

void TForm_Test_Keys::GenerateCandidates() {
  const KeyCandidates drawn = DrawKeyCandidates(
      keyList, shownAttributes, [this](int range) { return random_.Random(range); });
  candidates = drawn.candidates;
  correctFlags = drawn.correctFlags;
}

void TForm_Test_Keys::ShowCandidates() {
  for (int c = 0; c < KeyCandidateCount; ++c) {
    const QString text = ToText(ShowKey(KeyRecord{candidates[c], 0}, attributeNames));
    // A candidate longer than its box is read whole from the tooltip.
    for (QCheckBox* box : {taskBoxes[c], solutionBoxes[c]}) {
      box->setText(text);
      box->setToolTip(text);
    }
  }
}

void TForm_Test_Keys::a_spravnaOdpovedExecute() {
  Button_new->show();
  for (QCheckBox* box : solutionBoxes)
    box->show();
  Panel_zadani->setEnabled(false);
  Button_OK->setEnabled(false);
  bool wrong = false;
  for (int c = 0; c < KeyCandidateCount; ++c) {
    if (taskBoxes[c]->isChecked() != (correctFlags[c] == 1)) {
      wrong = true;
      exercise::SetFontColour(*solutionBoxes[c], colours::WrongRed);
    }
    if (correctFlags[c] == 1) solutionBoxes[c]->setChecked(true);
  }
  feedback_->Record(!wrong);
  AttributeSet members;
  for (AttributeIndex a : ShownAttributes(attributeNames))
    members.Add(a);
  QStringList why;
  for (int c = 0; c < KeyCandidateCount; ++c) {
    if (taskBoxes[c]->isChecked() != (correctFlags[c] == 1)) {
      why << explain::KeyCandidateLines(candidates[c], members, dependencies, attributeNames);
    }
  }
  feedback_->Explain(why);
  messages_.Inform(wrong ? tr("Bohuzel vase odpoved neni spravna.")
                         : tr("Gratuluji! Odpoved jste spravne."));
}

void TForm_Test_Keys::a_newExecute() {
  a_clearExecute();
  GenerateCandidates();
  ShowCandidates();
}

void TForm_Test_Keys::a_clearExecute() {
  feedback_->Explain({});
  for (int c = 0; c < KeyCandidateCount; ++c) {
    exercise::SetFontColour(*solutionBoxes[c], Qt::black);
    solutionBoxes[c]->setChecked(false);
    solutionBoxes[c]->hide();
    exercise::SetFontColour(*taskBoxes[c], Qt::black);
    taskBoxes[c]->setChecked(false);
  }
  Button_new->hide();
  Button_OK->setEnabled(true);
  Panel_zadani->setEnabled(true);
  correctFlags = {};
  candidates = {};
}

void TForm_Test_Keys::FormClose() {
  feedback_->ResetScore();
  Memo_Dep->clear();
  attributeCount = 0;
  keyCount = 0;
  keyList.clear();
  a_clearExecute();
}
