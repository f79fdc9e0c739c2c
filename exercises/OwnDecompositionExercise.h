#pragma once

#include <QWidget>
#include <vector>

#include "ExerciseWindow.h"
#include "OwnDecompositionExerciseSession.h"

class QCheckBox;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class RowPanel;

// The student's own decomposition: a view of its session. Parts are built
// by ticking attributes, and the program judges the whole decomposition.
class OwnDecompositionExercise final : public ExerciseWindow {
  Q_OBJECT

 public:
  OwnDecompositionExercise(OwnDecompositionExerciseSession& session, SchemaHost& host,
                           RandomSource& random, MessageService& messages, ErrorDisplay& errors,
                           QWidget* parent = nullptr);

  void addPart();
  void removePart();
  void evaluate();

 private:
  void buildTask();
  void showParts();
  void showEvaluation();
  void updateButtons();
  void fitParts();

  OwnDecompositionExerciseSession& session_;

  QWidget* canvas_ = nullptr;
  QPlainTextEdit* Memo_Dep = nullptr;
  QGroupBox* GB_atributy = nullptr;
  // One box per offered attribute, owned by the panel; the pointers are
  // made and dropped with the boxes.
  RowPanel* attributeRows_ = nullptr;
  std::vector<QCheckBox*> attributeBoxes_;
  QListWidget* List_casti = nullptr;
  QPushButton* Button_Pridat = nullptr;
  QPushButton* Button_Odebrat = nullptr;
  QPushButton* Button_Vyhodnotit = nullptr;
  QPlainTextEdit* Memo_Vysledek = nullptr;
};
