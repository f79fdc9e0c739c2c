#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "ExerciseFeedback.h"
#include "ExerciseSupport.h"
#include "Exercises.h"
#include "OutOfDateNotice.h"
#include "Platform.h"
#include "Schema.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class QAction;
class WrappingCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// Keys exercise: which of three candidate sets, one of them a real key, are
// keys of the schema.
class TForm_Test_Keys final : public ToolWindow {
  Q_OBJECT

 public:
  TForm_Test_Keys(SchemaHost& host, MessageService& messages, RandomSource& random,
                  ErrorDisplay& errors, QWidget* parent = nullptr);

  void PrepareExercise();
  void GenerateCandidates();
  void ShowCandidates();
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
  RandomSource& random_;

  // The exercise's own copy of the schema, taken at preparation.
  DependencyList dependencies_;
  AttributeTable attributeNames_;
  int attributeCount_ = 0;
  std::vector<AttributeIndex> shownAttributes_;
  KeyList keyList;
  int keyCount_ = 0;
  std::array<AttributeSet, KeyCandidateCount> candidates_{};
  std::array<int, KeyCandidateCount> correctFlags_{};

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QPlainTextEdit* Memo_Dep = nullptr;
  QWidget* canvas_ = nullptr;
  QFrame* Panel_zadani = nullptr;
  QFrame* Panel_reseni = nullptr;
  std::array<WrappingCheckBox*, KeyCandidateCount> taskBoxes_{};
  std::array<WrappingCheckBox*, KeyCandidateCount> solutionBoxes_{};
  QPushButton* Button_OK = nullptr;
  QPushButton* Button_new = nullptr;
  QAction* a_spravnaOdpoved = nullptr;
  QAction* a_new = nullptr;
  QAction* a_clear = nullptr;

  // Checking is offered exactly while answering.
  void EnterPhase(exercise::Phase phase);
  exercise::Phase phase_ = exercise::Phase::NoTask;
};
