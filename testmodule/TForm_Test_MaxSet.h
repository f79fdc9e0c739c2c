#pragma once

#include <QWidget>
#include <vector>

#include "Platform.h"
#include "Schema.h"
#include "SchemaHost.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// Maximal set exercise: the student picks an attribute A and ticks what the
// maximal sets of A hold together.
class TForm_Test_MaxSet final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Test_MaxSet(SchemaHost& host, MessageService& messages, QWidget* parent = nullptr);

  void PrepareExercise();
  void OKClick();
  void a_spravnaOdpovedExecute();
  void a_newExecute();
  void a_clearExecute();
  void FormClose();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QRadioButton* AddChoice(const QString& name);
  QCheckBox* AddBox(QFrame* column, std::vector<QCheckBox*>& boxes, const QString& name);
  void Grow();

  SchemaHost& host_;
  MessageService& messages_;

  // The exercise's own copy of the schema, taken at preparation.
  DependencyList dependencies;
  AttributeTable attributeNames;
  // The attribute behind the k-th control of every column.
  std::vector<AttributeIndex> shownAttributes;
  std::vector<QRadioButton*> taskChoices;
  std::vector<QCheckBox*> answerBoxes;
  std::vector<QCheckBox*> solutionBoxes;
  AttributeSet chosenSet;

  QWidget* canvas_ = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QFrame* Panel_BckGr_1 = nullptr;
  QFrame* Panel_BckGr_odpoved = nullptr;
  QFrame* Panel_BckGr_reseni = nullptr;
  QFrame* Panel1 = nullptr;
  QFrame* Panel_odpoved = nullptr;
  QFrame* Panel_reseni = nullptr;
  QPushButton* OK = nullptr;
  QPushButton* Button_Odpoved = nullptr;
  QPushButton* Button_Novy = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QAction* a_spravnaOdpoved = nullptr;
  QAction* a_new = nullptr;
  QAction* a_clear = nullptr;
};
