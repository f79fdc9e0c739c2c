#pragma once

#include "AttributeColumns.h"
#include "AttributeSetExerciseSession.h"
#include "ExerciseWindow.h"
#include "Platform.h"

class ExerciseFeedback;
class QAction;

// An exercise on the three columns of AttributeColumns, the closure or the
// maximal set exercise: the student picks A, fixes it with OK, ticks the
// result and has it checked; a new task starts on the same schema.
class AttributeSetExercise : public ExerciseWindow {
  Q_OBJECT

 public:
  // Fixes the picked A.
  void fixTask();
  void checkAnswer();
  void startNewTask();

 protected:
  // `answerCaption` is the caption of the command that checks the answer.
  AttributeSetExercise(AttributeSetExerciseSession& session, SchemaHost& host, RandomSource& random,
                       MessageService& messages, ErrorDisplay& errors, const ColumnsLayout& layout,
                       const QString& answerCaption, QWidget* parent);

  // Builds the columns under the captions the exercise made over them.
  void placeColumns(QWidget* taskHeading, QWidget* answerHeading, QWidget* solutionHeading,
                    QWidget* memoHeading);

  void resetWindow() override;
  void restartLayout() override;

 private:
  void showPhase(ExerciseSession::Phase phase);

  AttributeSetExerciseSession& session_;
  const ColumnsLayout layout_;
  ExerciseFeedback* feedback_ = nullptr;
  AttributeColumns* columns_ = nullptr;

  QAction* a_spravnaOdpoved = nullptr;
  QAction* a_new = nullptr;
};
