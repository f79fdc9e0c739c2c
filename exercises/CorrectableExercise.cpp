#include "CorrectableExercise.h"

#include <QAction>
#include <QPushButton>
#include <QStringList>

#include "ExerciseFeedback.h"
#include "ExerciseSupport.h"

CorrectableExercise::CorrectableExercise(GradedExerciseSession& session, SchemaHost& host,
                                         RandomSource& random, MessageService& messages,
                                         ErrorDisplay& errors, QWidget* parent)
    : ExerciseWindow(session, host, random, messages, errors, parent), graded_(session) {
  feedback_ = addFeedback();
  a_spravnaodpoved = exercise::MakeAction(this, "a_spravnaodpoved", tr("&Spravna odpoved"),
                                          &CorrectableExercise::checkAnswer);
  a_new = exercise::MakeAction(this, "a_new", tr("&Zkusit znovu"));
  connect(a_new, &QAction::triggered, &graded_, &GradedExerciseSession::retry);
  offerClear();
}

void CorrectableExercise::checkAnswer() {
  RunStep([this] {
    const std::optional<bool> right = graded_.judge();
    if (right && exercise::AnnounceVerdict(*right, messages())) graded_.conclude();
  });
}

void CorrectableExercise::makeCommandButtons(const QSize& check, const QSize& retry) {
  Button1 = exercise::MakeActionButton(canvas(), "Button1", a_spravnaodpoved);
  Button1->setMinimumSize(check);
  Button_new = exercise::MakeActionButton(canvas(), "Button_new", a_new);
  Button_new->setMinimumSize(retry);
  keepInView({Button1, Button_new});
}

void CorrectableExercise::showCommands(ExerciseSession::Phase phase) {
  const bool checked = phase == ExerciseSession::Phase::Checked;
  a_spravnaodpoved->setEnabled(graded_.canCheck());
  a_new->setEnabled(checked);
  Button_new->setVisible(checked);
  feedback_->Explain(checked ? graded_.explanation() : QStringList());
}
