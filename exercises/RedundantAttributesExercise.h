#pragma once

#include <QWidget>
#include <vector>

#include "ExerciseFeedback.h"
#include "ExerciseWindow.h"
#include "Platform.h"
#include "RedundantAttributesExerciseSession.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class RowPanel;

// The redundant attributes exercise: a view of its session, each dependency
// with a button per left-hand attribute that the student clicks to mark it
// redundant.
class RedundantAttributesExercise final : public ExerciseWindow {
  Q_OBJECT

 public:
  RedundantAttributesExercise(RedundantAttributesExerciseSession& session, SchemaHost& host,
                              RandomSource& random, MessageService& messages, ErrorDisplay& errors,
                              QWidget* parent = nullptr);

  // Checks the answer; a wrong one may still be corrected.
  void checkAnswer();

 protected:
  void resetWindow() override;

 private:
  void buildLines();
  void showPhase(ExerciseSession::Phase phase);
  void toggle(std::size_t item);

  RedundantAttributesExerciseSession& session_;
  MessageService& messages_;
  ExerciseFeedback* feedback_ = nullptr;

  QWidget* canvas_ = nullptr;
  // Each dependency's text with the line of its attribute buttons below.
  RowPanel* lines_ = nullptr;
  // The button of each item, made and destroyed with the lines.
  std::vector<QPushButton*> itemButtons_;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button_new = nullptr;
  QAction* a_spravnaodpoved = nullptr;
  QAction* a_new = nullptr;
};
