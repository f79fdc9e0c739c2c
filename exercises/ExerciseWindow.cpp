#include "ExerciseWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "Assignments.h"
#include "Display.h"
#include "ExerciseFeedback.h"
#include "ExerciseSupport.h"
#include "OutOfDateNotice.h"

ExerciseWindow::ExerciseWindow(ExerciseSession& session, SchemaHost& host, RandomSource& random,
                               MessageService& messages, ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent),
      session_(session),
      host_(host),
      random_(random),
      messages_(messages) {
  canvas_ = MakeScrollingCanvas(*this, QSize(0, 0));
  OutOfDateNotice::Follow(*this, session_);

  a_next_random = exercise::MakeAction(this, "a_next_random", tr("&Dalsi nahodne schema"),
                                       &ExerciseWindow::nextRandomSchema);
  auto* bar = new QWidget(this);
  bar->setObjectName(QStringLiteral("Panel_Practice"));
  Label_Practice = new QLabel(bar);
  Label_Practice->setObjectName(QStringLiteral("Label_Practice"));
  Label_Practice->setWordWrap(true);
  Button_NextRandom = exercise::MakeActionButton(bar, "Button_NextRandom", a_next_random);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(8, 4, 8, 4);
  row->addWidget(Label_Practice, 1);
  row->addWidget(Button_NextRandom, 0, Qt::AlignRight);
  // Above the exercise, below the notice that the document changed.
  auto* column = qobject_cast<QBoxLayout*>(layout());
  column->insertWidget(1, bar);
  Panel_Commands = new QWidget(this);
  Panel_Commands->setObjectName(QStringLiteral("Panel_Commands"));
  auto* commands = new QHBoxLayout(Panel_Commands);
  commands->setContentsMargins(8, 4, 8, 8);
  commands->addStretch(1);
  column->addWidget(Panel_Commands);
  showOrigin();
}

void ExerciseWindow::keepInView(const std::vector<QPushButton*>& buttons) {
  auto* commands = qobject_cast<QHBoxLayout*>(Panel_Commands->layout());
  // A button hidden until its step keeps the place it kept in the task (its
  // size policy goes with it), so that the others do not shift when it
  // shows.
  for (QPushButton* button : buttons)
    commands->insertWidget(commands->count() - 1, button);
}

ExerciseFeedback* ExerciseWindow::addFeedback() {
  auto* feedback = new ExerciseFeedback(*this, *canvas_);
  connect(&session_, &ExerciseSession::scoreChanged, feedback, &ExerciseFeedback::ShowScore);
  return feedback;
}

void ExerciseWindow::offerClear() {
  QAction* clear = exercise::MakeAction(this, "a_clear", tr("&Clear"));
  connect(clear, &QAction::triggered, &session_, &ExerciseSession::clear);
}

void ExerciseWindow::resetWindow() {
  session_.close();
}

void ExerciseWindow::prepare() {
  restartLayout();
  session_.load(host_.LiveSchema());
  showOrigin();
}

void ExerciseWindow::nextRandomSchema() {
  RunStep([this] {
    restartLayout();
    const std::optional<GeneratorFailure> failure = session_.practise(random_);
    showOrigin();
    if (!failure) return;
    Label_Practice->setText(GeneratorFailureText(*failure));
    Label_Practice->show();
  });
}

void ExerciseWindow::showOrigin() {
  Label_Practice->setText(
      tr("Cviceni na nahodnem schematu: zmeny schematu v hlavnim okne "
         "se ho netykaji."));
  Label_Practice->setVisible(session_.isPractising());
}
