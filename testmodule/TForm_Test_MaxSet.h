#pragma once

#include <QWidget>
#include <memory>

#include "ExerciseFeedback.h"
#include "ExerciseSupport.h"
#include "OutOfDateNotice.h"
#include "Platform.h"
#include "Schema.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class QAction;
class QLabel;

namespace exercise {
class AnswerColumns;
}

// Maximal set exercise: the student picks an attribute A and ticks what the
// maximal sets of A hold together.
class TForm_Test_MaxSet final : public ToolWindow {
  Q_OBJECT

 public:
  TForm_Test_MaxSet(SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
                    QWidget* parent = nullptr);
  ~TForm_Test_MaxSet() override;

  void PrepareExercise();
  void OKClick();
  void a_spravnaOdpovedExecute();
  void a_newExecute();
  void a_clearExecute();
  void FormClose() override;

 private:
  SchemaHost& host_;
  // Says so when the schema changed after the window copied it.
  OutOfDateNotice* notice_ = nullptr;
  ExerciseFeedback* feedback_ = nullptr;
  MessageService& messages_;

  // The exercise's own copy of the schema, taken at preparation.
  DependencyList dependencies_;
  AttributeTable attributeNames_;
  AttributeSet chosenSet;

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  std::unique_ptr<exercise::AnswerColumns> columns_;
  QAction* a_spravnaOdpoved = nullptr;
  QAction* a_new = nullptr;
  QAction* a_clear = nullptr;

  // Checking is offered exactly while answering.
  void EnterPhase(exercise::Phase phase);
  exercise::Phase phase_ = exercise::Phase::NoTask;
};
