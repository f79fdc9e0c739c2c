#pragma once

#include <QWidget>
#include <vector>

#include "CorrectableExercise.h"
#include "RedundantAttributesExerciseSession.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class RowPanel;

// The redundant attributes exercise: a view of its session, each dependency
// with a button per left-hand attribute that the student clicks to mark it
// redundant.
class RedundantAttributesExercise final : public CorrectableExercise {
  Q_OBJECT

 public:
  RedundantAttributesExercise(RedundantAttributesExerciseSession& session, SchemaHost& host,
                              RandomSource& random, MessageService& messages, ErrorDisplay& errors,
                              QWidget* parent = nullptr);

 private:
  void buildLines();
  void showPhase(ExerciseSession::Phase phase);
  void toggle(std::size_t item);

  RedundantAttributesExerciseSession& session_;
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
};
