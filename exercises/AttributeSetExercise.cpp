#include "AttributeSetExercise.h"

#include <QAction>
#include <QPushButton>

#include "ExerciseFeedback.h"
#include "ExerciseSupport.h"

AttributeSetExercise::AttributeSetExercise(AttributeSetExerciseSession& session, SchemaHost& host,
                                           RandomSource& random, MessageService& messages,
                                           ErrorDisplay& errors, const ColumnsLayout& layout,
                                           const QString& answerCaption, QWidget* parent)
    : ExerciseWindow(session, host, random, messages, errors, parent),
      session_(session),
      layout_(layout) {
  resize(layout_.window);
  feedback_ = addFeedback();
  a_spravnaOdpoved = exercise::MakeAction(this, "a_spravnaOdpoved", answerCaption,
                                          &AttributeSetExercise::checkAnswer);
  a_new =
      exercise::MakeAction(this, "a_new", tr("&Nove zadani"), &AttributeSetExercise::startNewTask);
  offerClear();
}

void AttributeSetExercise::placeColumns(QWidget* taskHeading, QWidget* answerHeading,
                                        QWidget* solutionHeading, QWidget* memoHeading) {
  // The explanation goes or comes before the columns are rebuilt, so that
  // the window grows to the columns beside what the explanation leaves.
  connect(&session_, &ExerciseSession::phaseChanged, this, &AttributeSetExercise::showPhase);
  columns_ = new AttributeColumns(*this, *canvas(), layout_, session_, messages(), a_spravnaOdpoved,
                                  a_new);
  columns_->placeHeadings(taskHeading, answerHeading, solutionHeading, memoHeading);
  connect(&columns_->okButton(), &QPushButton::clicked, this, &AttributeSetExercise::fixTask);
  SetDefaultButton(&columns_->okButton());
  keepInView(columns_->commands());
}

void AttributeSetExercise::restartLayout() {
  columns_->restoreHeight();
}

void AttributeSetExercise::fixTask() {
  RunStep([this] { columns_->fixTask(); });
}

void AttributeSetExercise::checkAnswer() {
  RunStep([this] { columns_->checkAnswer(); });
}

void AttributeSetExercise::startNewTask() {
  RunStep([this] { columns_->startNewTask(); });
}

void AttributeSetExercise::showPhase(ExerciseSession::Phase phase) {
  feedback_->Explain(phase == ExerciseSession::Phase::Checked ? session_.explanation()
                                                              : QStringList());
}

void AttributeSetExercise::resetWindow() {
  ExerciseWindow::resetWindow();
  columns_->restoreHeight();
}
