#pragma once

#include <QSize>

#include "ExerciseWindow.h"
#include "GradedExerciseSession.h"

class ExerciseFeedback;
class MessageService;
class QAction;
class QPushButton;

// An exercise in which a wrong answer may still be corrected: the
// decomposition, redundant attributes and redundant dependencies exercises.
// "Spravna odpoved" checks the answer; once the solution shows, "Zkusit
// znovu" sets the same task again.
class CorrectableExercise : public ExerciseWindow {
  Q_OBJECT

 public:
  // Checks the answer: a right one is praised; for a wrong one the student
  // may go back to correct it before the solution shows.
  void checkAnswer();

 protected:
  CorrectableExercise(GradedExerciseSession& session, SchemaHost& host, RandomSource& random,
                      MessageService& messages, ErrorDisplay& errors, QWidget* parent);

  // The buttons of the two commands, at their least sizes, in the bar under
  // the client area, where they stay in view however far the task scrolls.
  void makeCommandButtons(const QSize& check, const QSize& retry);
  QPushButton* checkButton() const { return Button1; }
  QPushButton* retryButton() const { return Button_new; }

  // Offers each command in the phase that takes it, and explains the
  // checked answer.
  void showCommands(ExerciseSession::Phase phase);

  ExerciseFeedback* feedback_ = nullptr;

 private:
  GradedExerciseSession& graded_;
  QAction* a_spravnaodpoved = nullptr;
  QAction* a_new = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button_new = nullptr;
};
