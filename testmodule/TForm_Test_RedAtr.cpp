#include "TForm_Test_RedAtr.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "Data_statement_2.h"
#include "Display.h"
#include "ExerciseExplanations.h"
#include "ExerciseSupport.h"
#include "Redundance.h"

namespace {

// The window opens at this size and grows with its lines up to the screen.
constexpr int WindowWidth = 758;
constexpr int WindowHeight = 603;
// The dependencies' column: a line of buttons that would be wider goes on
// below, and a name wider than it is shortened on its button.
constexpr int LinesWidth = 454;
// Buttons stand this far in from their dependency's text.
constexpr int ButtonIndent = 10;
constexpr int ButtonGap = 7;
// The dependency list is never narrower than this.
constexpr int MemoWidth = 193;

QIcon MarkPicture(bool marked) {
  return QApplication::style()->standardIcon(marked ? QStyle::SP_DialogCancelButton
                                                    : QStyle::SP_DialogOkButton);
}

int Tag(const QPushButton* button) {
  return button->property(TForm_Test_RedAtr::TagProperty).toInt();
}

void SetTag(QPushButton* button, int tag) {
  button->setProperty(TForm_Test_RedAtr::TagProperty, tag);
  button->setIcon(MarkPicture(tag >= 10));
}

}  // namespace

TForm_Test_RedAtr::TForm_Test_RedAtr(SchemaHost& host, MessageService& messages,
                                     ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Test_RedAtr"));
  setWindowTitle(tr("Testovaci modul - Redundantni atributy"));
  canvas_ = MakeScrollingCanvas(*this, QSize(0, 0));
  resize(WindowWidth, WindowHeight);
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());
  feedback_ = new ExerciseFeedback(*this, *canvas_);
  // Deleting one item may make another one necessary; the exercise asks
  // about each against the whole list.
  feedback_->ShowRule(tr("Pravidlo: kazda polozka se posuzuje samostatne vuci celemu seznamu."));

  a_spravnaodpoved = exercise::MakeAction(this, "a_spravnaodpoved", tr("&Spravna odpoved"),
                                          &TForm_Test_RedAtr::a_spravnaodpovedExecute);
  a_new =
      exercise::MakeAction(this, "a_new", tr("&Zkusit znovu"), &TForm_Test_RedAtr::a_newExecute);
  a_clear = exercise::MakeAction(this, "a_clear", tr("&Clear"), &TForm_Test_RedAtr::a_clearExecute);

  Label1 =
      exercise::MakeLabel(canvas_, "Label1", tr("Redundantni atributy"), QPoint(), true, false, 16);
  Label2 = exercise::MakeLabel(canvas_, "Label2", tr("(atribut oznacite kliknutim)"), QPoint());
  Label4 = exercise::MakeLabel(canvas_, "Label4", QString(71, QLatin1Char('_')), QPoint());
  Label3 = exercise::MakeLabel(canvas_, "Label3", tr("Zavislosti:"), QPoint(), true, false, 16);
  Memo1 = exercise::MakeDependencyMemo(canvas_, "Memo1");
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setMinimumSize(MemoWidth, 369);
  Button1 = exercise::MakeActionButton(canvas_, "Button1", a_spravnaodpoved, QRect());
  Button1->setMinimumSize(100, 33);
  Button1->setDefault(true);
  SetDefaultButton(Button1);
  Button_new = exercise::MakeActionButton(canvas_, "Button_new", a_new, QRect());
  Button_new->setMinimumSize(98, 33);
  Button_new->hide();

  lines_ = new QVBoxLayout;
  lines_->setSpacing(4);
  auto* side = new QVBoxLayout;
  side->setSpacing(8);
  side->addWidget(Memo1);
  side->addSpacing(8);
  side->addWidget(Button1, 0, Qt::AlignLeft);
  side->addWidget(Button_new, 0, Qt::AlignLeft);
  side->addStretch(1);

  auto* grid = new QGridLayout(canvas_);
  grid->setContentsMargins(32, 24, 20, 20);
  grid->setHorizontalSpacing(50);
  grid->setVerticalSpacing(2);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(Label2, 1, 0);
  grid->addWidget(Label4, 2, 0, Qt::AlignBottom);
  grid->addWidget(Label3, 2, 1, Qt::AlignBottom);
  grid->setRowMinimumHeight(3, 24);
  grid->addLayout(lines_, 4, 0, Qt::AlignTop);
  grid->addLayout(side, 4, 1);
  grid->setColumnMinimumWidth(0, LinesWidth);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(4, 1);
}

void TForm_Test_RedAtr::PrepareExercise() {
  // Opening the exercise again while it is open starts it afresh.
  FormClose();
  notice_->hide();
  const Schema& schema = host_.LiveSchema();
  if (!exercise::OffersTask(schema, *Button1)) return;
  workingCopy = schema.dependencies;
  reducedCopy = schema.dependencies;
  attributeNames_ = schema.attributes;

  for (const Dependency& d : workingCopy) {
    redundantFlags = RedundantLhsAttributes(d, workingCopy);
    auto* label =
        new QLabel(tr("Zavislost: ") + ToText(ShowDependency(d, attributeNames_)), canvas_);
    QFont font = label->font();
    font.setPointSize(10);
    label->setFont(font);
    // A long dependency wraps within its column rather than hide under the
    // dependency list.
    label->setWordWrap(true);
    lines_->addWidget(label);
    label->show();
    dependencyLabels.push_back(label);
    // Buttons are at least 65 wide; a line of them that would outgrow the
    // column goes on below.
    auto* buttons = new QGridLayout;
    buttons->setContentsMargins(ButtonIndent, 0, 0, 14);
    buttons->setSpacing(ButtonGap);
    buttons->setAlignment(Qt::AlignLeft);
    lines_->addLayout(buttons);
    int left = 0;
    int row = 0;
    int column = 0;
    for (int i = 0; i < MaxAttributes && d.lhs[i] != NoAttribute; ++i) {
      const QString name = ToText(NameOf(attributeNames_, d.lhs[i]));
      auto* button = new QPushButton(canvas_);
      SetTag(button, redundantFlags.Has(d.lhs[i]) ? 1 : 0);
      const int room = LinesWidth - ButtonIndent;
      // What the button needs beside its caption: picture, padding, frame.
      button->setText(name);
      const int needed = button->sizeHint().width();
      const int frame = needed - button->fontMetrics().horizontalAdvance(name);
      const int width = std::clamp(needed, 65, room);
      if (needed > room) {
        button->setText(button->fontMetrics().elidedText(name, Qt::ElideMiddle, room - frame));
      }
      button->setToolTip(name);
      button->setFixedSize(width, 25);
      if (left > 0 && left + width > room) {
        left = 0;
        column = 0;
        ++row;
      }
      buttons->addWidget(button, row, column++);
      button->show();
      left += width + ButtonGap;
      AttachClick(button);
      attributeButtons.push_back(button);
      buttonItems_.emplace_back(&d, d.lhs[i]);
    }
  }
  exercise::ListFromTop(*Memo1, ListDependencyLines(workingCopy, attributeNames_));
  exercise::FitLines(*this, *canvas_, *Memo1, MemoWidth);
  EnterPhase(exercise::Phase::Answering);
}

void TForm_Test_RedAtr::AttachClick(QPushButton* button) {
  disconnect(button, &QPushButton::clicked, this, nullptr);
  connect(button, &QPushButton::clicked, this, [this, button] { DynamicButtonClick(button); });
}

void TForm_Test_RedAtr::DynamicButtonClick(QPushButton* button) {
  switch (Tag(button)) {
    case 0:
    case 1:
      SetTag(button, Tag(button) + 10);
      break;
    case 10:
    case 11:
      SetTag(button, Tag(button) - 10);
      break;
    default:
      messages_.Inform(tr("Zvlastni Tag"));
  }
}

void TForm_Test_RedAtr::a_spravnaodpovedExecute() {
  if (phase_ != exercise::Phase::Answering) return;
  bool correct = true;
  for (const QPushButton* button : attributeButtons) {
    if (Tag(button) == 10 || Tag(button) == 1) correct = false;
  }
  if (!exercise::AnnounceVerdict(correct, messages_)) return;
  feedback_->Record(correct);
  QStringList why;
  for (std::size_t k = 0; k < attributeButtons.size(); ++k) {
    const int tag = Tag(attributeButtons[k]);
    if (tag != 10 && tag != 1) continue;
    const auto [record, attribute] = buttonItems_[k];
    why << explain::FollowsLines(
        tr("%1 v %2").arg(ToText(NameOf(attributeNames_, attribute)),
                          ToText(ShowDependency(*record, attributeNames_))),
        LhsWithoutOneCopy(*record, attribute), record->Rhs(), workingCopy, nullptr,
        attributeNames_);
  }
  feedback_->Explain(why);
  ShowSolution();
}

void TForm_Test_RedAtr::ShowSolution() {
  EnterPhase(exercise::Phase::Checked);
  AppendLine(*Memo1, QStringLiteral("-----------------"));
  AppendLine(*Memo1, tr("Po redukci atributu:"));
  RemoveRedundantAttributes(reducedCopy);
  AppendLines(*Memo1, ListDependencyLines(reducedCopy, attributeNames_));
  Button1->setEnabled(false);
  Button_new->show();
  for (QPushButton* button : attributeButtons)
    disconnect(button, &QPushButton::clicked, this, nullptr);
}

void TForm_Test_RedAtr::a_newExecute() {
  if (phase_ != exercise::Phase::Checked) return;
  EnterPhase(exercise::Phase::Answering);
  Memo1->clear();
  exercise::ListFromTop(*Memo1, ListDependencyLines(workingCopy, attributeNames_));
  for (QPushButton* button : attributeButtons) {
    SetTag(button, Tag(button) % 10);
    AttachClick(button);
  }
  Button_new->hide();
  Button1->setEnabled(true);
}

void TForm_Test_RedAtr::a_clearExecute() {
  EnterPhase(exercise::Phase::NoTask);
  for (QPushButton* button : attributeButtons)
    delete button;
  attributeButtons.clear();
  buttonItems_.clear();
  for (QLabel* label : dependencyLabels)
    delete label;
  dependencyLabels.clear();
  // The emptied lines of buttons go with them.
  while (QLayoutItem* item = lines_->takeAt(0))
    delete item;
  Memo1->clear();
  workingCopy.clear();
  reducedCopy.clear();
  Button_new->hide();
}

void TForm_Test_RedAtr::FormClose() {
  feedback_->ResetScore();
  a_clearExecute();
}

void TForm_Test_RedAtr::EnterPhase(exercise::Phase phase) {
  phase_ = phase;
  a_spravnaodpoved->setEnabled(phase == exercise::Phase::Answering);
}
