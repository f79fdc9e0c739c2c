#pragma once

#include <QAction>
#include <QPushButton>
#include <QSize>
#include <QStringList>

#include "ExerciseFeedback.h"
#include "ExerciseSupport.h"
#include "ExerciseWindow.h"
#include "Platform.h"

// An exercise in which a wrong answer may still be corrected: the decomposition,
// redundant attributes and redundant dependencies exercises. "Spravna odpoved"
// checks the answer; once the solution shows, "Zkusit znovu" sets the same task
// again. `Session` judges, concludes, explains and retries the answer.
//
// Without Q_OBJECT, as a template: the texts are the ExerciseWindow's.
template <typename Session>
class CorrectableExercise : public ExerciseWindow {
 public:
  // Checks the answer; a wrong one may still be corrected.
  void checkAnswer() {
    RunStep([this] { exercise::CheckCorrectableAnswer(session_, messages_); });
  }

 protected:
  CorrectableExercise(Session& session, SchemaHost& host, RandomSource& random,
                      MessageService& messages, ErrorDisplay& errors, QWidget* parent)
      : ExerciseWindow(session, host, random, errors, parent),
        session_(session),
        messages_(messages) {
    feedback_ = addFeedback();
    a_spravnaodpoved =
        exercise::MakeAction(this, "a_spravnaodpoved", ExerciseWindow::tr("&Spravna odpoved"),
                             &CorrectableExercise::checkAnswer);
    a_new = exercise::MakeAction(this, "a_new", ExerciseWindow::tr("&Zkusit znovu"));
    connect(a_new, &QAction::triggered, &session_, &Session::retry);
    offerClear();
  }

  // The buttons of the two commands, at their least sizes, in the bar under
  // the client area, where they stay in view however far the task scrolls.
  void makeCommandButtons(const QSize& check, const QSize& retry) {
    Button1 = exercise::MakeActionButton(canvas(), "Button1", a_spravnaodpoved);
    Button1->setMinimumSize(check);
    Button_new = exercise::MakeActionButton(canvas(), "Button_new", a_new);
    Button_new->setMinimumSize(retry);
    keepInView({Button1, Button_new});
  }
  QPushButton* checkButton() const { return Button1; }
  QPushButton* retryButton() const { return Button_new; }

  // Offers each command in the phase that takes it, and explains the
  // checked answer.
  void showCommands(ExerciseSession::Phase phase) {
    const bool checked = phase == ExerciseSession::Phase::Checked;
    a_spravnaodpoved->setEnabled(session_.canCheck());
    a_new->setEnabled(checked);
    Button_new->setVisible(checked);
    feedback_->Explain(checked ? session_.explanation() : QStringList());
  }

  Session& session_;
  ExerciseFeedback* feedback_ = nullptr;

 private:
  MessageService& messages_;
  QAction* a_spravnaodpoved = nullptr;
  QAction* a_new = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button_new = nullptr;
};
