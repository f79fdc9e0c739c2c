#include "TForm_Test_Keys.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Data_statement_2.h"
#include "Display.h"
#include "ExerciseExplanations.h"
#include "ExerciseSupport.h"
#include "Keys.h"
#include "Reports.h"
#include "WrappingCheckBox.h"

namespace {

// Wide enough for the whole dependency listing, which reaches 720 pixels.
constexpr int WindowWidth = 740;
constexpr int WindowHeight = 418;
// The widest a candidate gets in its column; a longer one wraps.
constexpr int CandidateWidth = 400;
// The least width of the dependency list.
constexpr int MemoWidth = 206;

}  // namespace

TForm_Test_Keys::TForm_Test_Keys(SchemaHost& host, MessageService& messages, RandomSource& random,
                                 ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages), random_(random) {
  setObjectName(QStringLiteral("Form_Test_Keys"));
  setWindowTitle(tr("Testovaci modul - Klice"));
  // The window starts at its old size; the layout below sizes the canvas.
  canvas_ = MakeScrollingCanvas(*this, QSize(0, 0));
  QWidget* canvas = canvas_;
  resize(WindowWidth, WindowHeight);
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());
  feedback_ = new ExerciseFeedback(*this, *canvas_);

  a_spravnaOdpoved = exercise::MakeAction(this, "a_spravnaOdpoved", tr("&Spravna odpoved"),
                                          &TForm_Test_Keys::a_spravnaOdpovedExecute);
  a_new = exercise::MakeAction(this, "a_new", tr("&Nove zadani"), &TForm_Test_Keys::a_newExecute);
  a_clear = exercise::MakeAction(this, "a_clear", tr("&Clear"), &TForm_Test_Keys::a_clearExecute);

  Label2 = exercise::MakeLabel(canvas, "Label2", tr("Klicem schematu je:"), QPoint(), true);
  Label3 = exercise::MakeLabel(
      canvas, "Label3",
      tr("(zaskrtnete spravnou odpoved - zvolte alespon jednu z nabizenych variant)"), QPoint());
  Label1 = exercise::MakeLabel(canvas, "Label1", tr("Zavislosti:"), QPoint(), true);
  Memo_Dep = exercise::MakeDependencyMemo(canvas, "Memo_Dep");
  Memo_Dep->setMinimumSize(MemoWidth, 237);

  // The candidates' columns are as wide as the longest candidate; a column
  // wider than the window is reached by scrolling.
  Panel_zadani = exercise::MakePanel(canvas, "Panel_zadani", QRect());
  Panel_reseni = exercise::MakePanel(canvas, "Panel_reseni", QRect());
  Panel_reseni->setEnabled(false);
  QVBoxLayout* columns[2] = {};
  constexpr int left = 41;
  constexpr int right = 8;
  for (QFrame* panel : {Panel_zadani, Panel_reseni}) {
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(left, 24, right, 16);
    column->setSpacing(15);
    // The columns' least width; an explicit one would keep them from
    // growing with their candidates.
    column->addStrut(193 - left - right);
    columns[panel == Panel_reseni ? 1 : 0] = column;
  }
  for (int c = 0; c < KeyCandidateCount; ++c) {
    taskBoxes_[c] = new WrappingCheckBox(Panel_zadani);
    taskBoxes_[c]->setObjectName(QStringLiteral("ChB_zadani%1").arg(c + 1));
    columns[0]->addWidget(taskBoxes_[c]);
    solutionBoxes_[c] = new WrappingCheckBox(Panel_reseni);
    solutionBoxes_[c]->setObjectName(QStringLiteral("ChB_odpoved%1").arg(c + 1));
    columns[1]->addWidget(solutionBoxes_[c]);
    solutionBoxes_[c]->hide();
  }
  // A hidden solution keeps its place, so that each solution stands level
  // with its task.
  for (QCheckBox* box : solutionBoxes_) {
    QSizePolicy policy = box->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    box->setSizePolicy(policy);
  }
  for (QVBoxLayout* column : columns)
    column->addStretch(1);

  Button_OK = exercise::MakeActionButton(canvas, "Button_OK", a_spravnaOdpoved, QRect());
  Button_OK->setMinimumSize(120, 41);
  Button_OK->setDefault(true);
  SetDefaultButton(Button_OK);
  Button_new = exercise::MakeActionButton(canvas, "Button_new", a_new, QRect());
  Button_new->setMinimumSize(97, 41);
  Button_new->hide();

  auto* grid = new QGridLayout(canvas);
  grid->setContentsMargins(48, 41, 20, 20);
  grid->setHorizontalSpacing(47);
  grid->setVerticalSpacing(16);
  grid->addWidget(Label2, 0, 0, 1, 2);
  grid->addWidget(Label1, 0, 2);
  grid->addWidget(Label3, 1, 0, 1, 2);
  grid->addWidget(Panel_zadani, 2, 0);
  grid->addWidget(Panel_reseni, 2, 1);
  grid->addWidget(Memo_Dep, 1, 2, 3, 1);
  grid->addWidget(Button_OK, 3, 0, Qt::AlignRight | Qt::AlignTop);
  grid->addWidget(Button_new, 3, 1, Qt::AlignRight | Qt::AlignTop);
  grid->setColumnStretch(2, 1);
  grid->setRowMinimumHeight(2, 144);
  grid->setRowStretch(4, 1);
}

void TForm_Test_Keys::PrepareExercise() {
  // Opening the exercise again while it is open starts it afresh.
  FormClose();
  notice_->hide();
  const Schema& schema = host_.LiveSchema();
  if (!exercise::OffersTask(schema, *Button_OK)) {
    for (QCheckBox* box : taskBoxes_)
      box->hide();
    return;
  }
  dependencies_ = schema.dependencies;
  attributeNames_ = schema.attributes;
  shownAttributes_ = ShownAttributes(attributeNames_);
  attributeCount_ = static_cast<int>(shownAttributes_.size());
  keyList = ComputeKeys(dependencies_, attributeNames_);
  // Shown before the columns are measured, so that the measure counts them.
  for (QCheckBox* box : taskBoxes_)
    box->show();
  if (!keyList.empty()) {
    keyCount_ = static_cast<int>(keyList.size());
    GenerateCandidates();
    ShowCandidates();
    EnterPhase(exercise::Phase::Answering);
  }
  exercise::ListFromTop(*Memo_Dep, ListDependencyLines(dependencies_, attributeNames_));
  exercise::FitLines(*this, *canvas_, *Memo_Dep, MemoWidth);
}

void TForm_Test_Keys::GenerateCandidates() {
  const KeyCandidates drawn = DrawKeyCandidates(
      keyList, shownAttributes_, [this](int range) { return random_.Random(range); });
  candidates_ = drawn.candidates;
  correctFlags_ = drawn.correctFlags;
}

void TForm_Test_Keys::ShowCandidates() {
  for (int c = 0; c < KeyCandidateCount; ++c) {
    const QString text = KeyLineText(ShowKey(KeyRecord{candidates_[c], 0}, attributeNames_));
    // Both columns and the dependencies fit beside each other on a small
    // screen; a longer candidate goes on over further lines.
    for (WrappingCheckBox* box : {taskBoxes_[c], solutionBoxes_[c]}) {
      box->setText(text);
      box->SetWidest(CandidateWidth);
    }
  }
  GrowToContent(*this, *canvas_);
}

void TForm_Test_Keys::a_spravnaOdpovedExecute() {
  if (phase_ != exercise::Phase::Answering) return;
  EnterPhase(exercise::Phase::Checked);
  Button_new->show();
  for (QCheckBox* box : solutionBoxes_)
    box->show();
  Panel_zadani->setEnabled(false);
  Button_OK->setEnabled(false);
  bool wrong = false;
  for (int c = 0; c < KeyCandidateCount; ++c) {
    if (taskBoxes_[c]->isChecked() != (correctFlags_[c] == 1)) {
      wrong = true;
      exercise::SetFontColour(*solutionBoxes_[c], colours::WrongRed);
    }
    if (correctFlags_[c] == 1) solutionBoxes_[c]->setChecked(true);
  }
  feedback_->Record(!wrong);
  AttributeSet members;
  for (AttributeIndex a : ShownAttributes(attributeNames_))
    members.Add(a);
  QStringList why;
  for (int c = 0; c < KeyCandidateCount; ++c) {
    if (taskBoxes_[c]->isChecked() != (correctFlags_[c] == 1)) {
      why << explain::KeyCandidateLines(candidates_[c], members, dependencies_, attributeNames_);
    }
  }
  feedback_->Explain(why);
  messages_.Inform(wrong ? tr("Bohuzel vase odpoved neni spravna.")
                         : tr("Gratuluji! Odpoved jste spravne."));
}

void TForm_Test_Keys::a_newExecute() {
  if (phase_ == exercise::Phase::NoTask) return;
  a_clearExecute();
  GenerateCandidates();
  ShowCandidates();
  EnterPhase(exercise::Phase::Answering);
}

void TForm_Test_Keys::a_clearExecute() {
  EnterPhase(exercise::Phase::NoTask);
  feedback_->Explain({});
  for (int c = 0; c < KeyCandidateCount; ++c) {
    exercise::SetFontColour(*solutionBoxes_[c], Qt::black);
    solutionBoxes_[c]->setChecked(false);
    solutionBoxes_[c]->hide();
    exercise::SetFontColour(*taskBoxes_[c], Qt::black);
    taskBoxes_[c]->setChecked(false);
  }
  Button_new->hide();
  Panel_zadani->setEnabled(true);
  correctFlags_ = {};
  candidates_ = {};
}

void TForm_Test_Keys::FormClose() {
  feedback_->ResetScore();
  Memo_Dep->clear();
  attributeCount_ = 0;
  keyCount_ = 0;
  keyList.clear();
  a_clearExecute();
}

void TForm_Test_Keys::EnterPhase(exercise::Phase phase) {
  phase_ = phase;
  a_spravnaOdpoved->setEnabled(phase == exercise::Phase::Answering);
}
