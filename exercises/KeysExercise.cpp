#include "KeysExercise.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Display.h"
#include "ExerciseSupport.h"
#include "Reports.h"
#include "SchemaListing.h"
#include "WrappingCheckBox.h"

namespace {

// Wide enough for the whole dependency listing, which reaches 720 pixels.
constexpr int WindowWidth = 740;
constexpr int WindowHeight = 418;
// The widest a candidate gets in its column; a longer one wraps, so that
// the dependency list beside keeps room for its lines.
constexpr int CandidateWidth = 320;
// The least width of the dependency list.
constexpr int MemoWidth = 206;

}  // namespace

KeysExercise::KeysExercise(KeysExerciseSession& session, SchemaHost& host, RandomSource& random,
                           MessageService& messages, ErrorDisplay& errors, QWidget* parent)
    : ExerciseWindow(session, host, random, messages, errors, parent), session_(session) {
  setObjectName(QStringLiteral("Form_Test_Keys"));
  setWindowTitle(tr("Testovaci modul - Klice"));
  // The window starts at its old size; the layout below sizes the canvas.
  canvas_ = canvas();
  resize(WindowWidth, WindowHeight);
  feedback_ = addFeedback();

  a_spravnaOdpoved = exercise::MakeAction(this, "a_spravnaOdpoved", tr("&Spravna odpoved"),
                                          &KeysExercise::checkAnswer);
  a_new = exercise::MakeAction(this, "a_new", tr("&Nove zadani"), &KeysExercise::startNewTask);
  offerClear();

  Label2 = exercise::MakeLabel(canvas_, "Label2", tr("Klicem schematu je:"), true);
  Label3 = exercise::MakeLabel(
      canvas_, "Label3",
      tr("(zaskrtnete spravnou odpoved - zvolte alespon jednu z nabizenych variant)"));
  Label1 = exercise::MakeLabel(canvas_, "Label1", tr("Zavislosti:"), true);
  Memo_Dep = exercise::MakeDependencyMemo(canvas_, "Memo_Dep");
  Memo_Dep->setMinimumSize(MemoWidth, 237);

  // The candidates' columns are as wide as the longest candidate; a column
  // wider than the window is reached by scrolling.
  Panel_zadani = exercise::MakePanel(canvas_, "Panel_zadani");
  Panel_reseni = exercise::MakePanel(canvas_, "Panel_reseni");
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
    connect(taskBoxes_[c], &QCheckBox::toggled, this,
            [this, c](bool ticked) { session_.setTicked(c, ticked); });
    solutionBoxes_[c] = new WrappingCheckBox(Panel_reseni);
    solutionBoxes_[c]->setObjectName(QStringLiteral("ChB_odpoved%1").arg(c + 1));
    columns[1]->addWidget(solutionBoxes_[c]);
    // A hidden solution keeps its place, so that each solution stands level
    // with its task.
    exercise::KeepPlaceWhenHidden(*solutionBoxes_[c]);
  }
  for (QVBoxLayout* column : columns)
    column->addStretch(1);

  Button_OK = exercise::MakeActionButton(canvas_, "Button_OK", a_spravnaOdpoved);
  Button_OK->setMinimumSize(120, 41);
  Button_OK->setDefault(true);
  SetDefaultButton(Button_OK);
  Button_new = exercise::MakeActionButton(canvas_, "Button_new", a_new);
  Button_new->setMinimumSize(97, 41);

  auto* grid = new QGridLayout(canvas_);
  grid->setContentsMargins(48, 41, 20, 20);
  grid->setHorizontalSpacing(47);
  grid->setVerticalSpacing(16);
  grid->addWidget(Label2, 0, 0, 1, 2);
  grid->addWidget(Label1, 0, 2);
  grid->addWidget(Label3, 1, 0, 1, 2);
  grid->addWidget(Panel_zadani, 2, 0);
  grid->addWidget(Panel_reseni, 2, 1);
  // The list reaches down into the spare height below the columns.
  grid->addWidget(Memo_Dep, 1, 2, 4, 1);
  grid->setColumnStretch(2, 1);
  grid->setRowMinimumHeight(2, 144);
  grid->setRowStretch(4, 1);
  grid->addWidget(exercise::MakeMistakeLegend(canvas_), 4, 0, 1, 2, Qt::AlignTop);

  connect(&session_, &KeysExerciseSession::taskChanged, this, &KeysExercise::showTask);
  connect(&session_, &ExerciseSession::phaseChanged, this, &KeysExercise::showPhase);
  connect(&session_, &ToolSession::outOfDateChanged, this, &KeysExercise::showPhase);
  keepInView({Button_OK, Button_new});
  showTask();
}

void KeysExercise::showTask() {
  for (int c = 0; c < KeyCandidateCount; ++c) {
    const QString text =
        session_.hasCandidates()
            ? KeyLineText(ShowKey(KeyRecord{session_.candidate(c), 0}, session_.names()))
            : QString();
    // Both columns and the dependencies fit beside each other on a small
    // screen; a longer candidate goes on over further lines.
    for (WrappingCheckBox* box : {taskBoxes_[c], solutionBoxes_[c]}) {
      box->setText(text);
      box->SetWidest(CandidateWidth);
    }
    // Shown before the columns are measured, so that the measure counts it.
    taskBoxes_[c]->setVisible(session_.hasCandidates());
  }
  // The columns are measured afresh with the candidates they now hold.
  Panel_zadani->updateGeometry();
  Panel_reseni->updateGeometry();
  Memo_Dep->clear();
  if (!session_.names()[0].empty()) {
    exercise::ListFromTop(*Memo_Dep,
                          ListDependencyLines(session_.dependencies(), session_.names()));
    exercise::FitLines(*this, *canvas_, *Memo_Dep, MemoWidth);
  }
  GrowToContent(*this, *canvas_);
  showPhase();
}

void KeysExercise::showPhase() {
  const bool answering = session_.phase() == ExerciseSession::Phase::Answering;
  const bool checked = session_.phase() == ExerciseSession::Phase::Checked;
  for (int c = 0; c < KeyCandidateCount; ++c) {
    const bool shown = session_.hasCandidates();
    taskBoxes_[c]->setChecked(shown && session_.isTicked(c));
    exercise::SetFontColour(*solutionBoxes_[c],
                            checked && session_.isWrong(c) ? colours::WrongRed : Qt::black);
    solutionBoxes_[c]->setChecked(checked && session_.isKey(c));
    solutionBoxes_[c]->setVisible(checked);
  }
  Panel_zadani->setEnabled(answering);
  a_spravnaOdpoved->setEnabled(session_.canCheck());
  Button_new->setVisible(checked);
  a_new->setEnabled(session_.canStartNewTask());
  feedback_->Explain(checked ? session_.explanation() : QStringList());
}

void KeysExercise::checkAnswer() {
  RunStep([this] {
    const std::optional<bool> right = session_.judge();
    if (!right) return;
    session_.conclude();
    messages().Inform(*right ? tr("Gratuluji! Odpoved jste spravne.")
                             : tr("Bohuzel vase odpoved neni spravna."));
  });
}

void KeysExercise::startNewTask() {
  RunStep([this] { session_.startNewTask(); });
}
