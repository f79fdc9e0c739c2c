#include "TForm_Test_RedAtr.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "Data_statement_2.h"
#include "Display.h"
#include "ExerciseSupport.h"
#include "Redundance.h"

namespace {

constexpr int WindowWidth = 758;
constexpr int WindowHeight = 603;

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
  canvas_ = exercise::MakeCanvas(*this, QSize(WindowWidth, WindowHeight));
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());
  feedback_ = new ExerciseFeedback(*this);
  // Deleting one item may make another one necessary; the exercise asks
  // about each against the whole list.
  feedback_->ShowRule(tr("Pravidlo: kazda polozka se posuzuje samostatne vuci celemu seznamu."));

  a_spravnaodpoved = exercise::MakeAction(this, "a_spravnaodpoved", tr("&Spravna odpoved"),
                                          &TForm_Test_RedAtr::a_spravnaodpovedExecute);
  a_new =
      exercise::MakeAction(this, "a_new", tr("&Zkusit znovu"), &TForm_Test_RedAtr::a_newExecute);
  a_clear = exercise::MakeAction(this, "a_clear", tr("&Clear"), &TForm_Test_RedAtr::a_clearExecute);

  Label1 = exercise::MakeLabel(canvas_, "Label1", tr("Redundantni atributy"), QPoint(32, 24), true,
                               false, 16);
  Label2 =
      exercise::MakeLabel(canvas_, "Label2", tr("(atribut oznacite kliknutim)"), QPoint(32, 48));
  Label4 = exercise::MakeLabel(canvas_, "Label4", QString(71, QLatin1Char('_')), QPoint(32, 56));
  Label3 =
      exercise::MakeLabel(canvas_, "Label3", tr("Zavislosti:"), QPoint(504, 56), true, false, 16);
  Memo1 = new QPlainTextEdit(canvas_);
  // Dependencies read best whole, one a line; a long one scrolls sideways.
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setGeometry(504, 80, 193, 369);
  Button1 =
      exercise::MakeActionButton(canvas_, "Button1", a_spravnaodpoved, QRect(512, 466, 100, 33));
  Button1->setDefault(true);
  SetDefaultButton(Button1);
  Button_new = exercise::MakeActionButton(canvas_, "Button_new", a_new, QRect(514, 507, 98, 33));
  Button_new->hide();
}

void TForm_Test_RedAtr::PrepareExercise() {
  // Opening the exercise again while it is open starts it afresh.
  FormClose();
  notice_->hide();
  const Schema& schema = host_.LiveSchema();
  if (!exercise::OffersTask(schema, *Button1)) return;
  workingCopy_ = schema.dependencies;
  reducedCopy_ = schema.dependencies;
  attributeNames_ = schema.attributes;

  // Everything stays left of the dependency list: a line of buttons that
  // would reach it goes on below.
  const int right = Memo1->x() - 10;
  bool first = true;
  for (const Dependency& d : workingCopy_) {
    nextTop_ = first ? 120 : nextTop_ + 32;
    first = false;
    redundantFlags_ = RedundantLhsAttributes(d, workingCopy_);
    QString text = tr("Zavislost: ");
    for (int i = 0; i < MaxAttributes && d.lhs[i] != NoAttribute; ++i)
      text +=
          (i == 0 ? QString() : QStringLiteral(" +")) + ToText(NameOf(attributeNames_, d.lhs[i]));
    text += QStringLiteral(" -> ") + ToText(NameOf(attributeNames_, d.Rhs()));
    auto* label = new QLabel(text, canvas_);
    QFont font = label->font();
    font.setPointSize(10);
    label->setFont(font);
    label->setWordWrap(true);
    label->setGeometry(30, nextTop_, right - 30, label->heightForWidth(right - 30));
    label->show();
    dependencyLabels_.push_back(label);
    nextTop_ += std::max(25, label->height() + 5);
    // Buttons are 65 wide at a pitch of 72; a longer name widens its button.
    nextLeft_ = 40;
    for (int i = 0; i < MaxAttributes && d.lhs[i] != NoAttribute; ++i) {
      const QString name = ToText(NameOf(attributeNames_, d.lhs[i]));
      auto* button = new QPushButton(name, canvas_);
      SetTag(button, redundantFlags_.Has(d.lhs[i]) ? 1 : 0);
      const int width = std::max(
          65, button->fontMetrics().horizontalAdvance(name) + button->iconSize().width() + 16);
      if (nextLeft_ > 40 && nextLeft_ + width > right) {
        nextLeft_ = 40;
        nextTop_ += 32;
      }
      button->setGeometry(nextLeft_, nextTop_, width, 25);
      nextLeft_ += std::max(72, width + 7);
      AttachClick(button);
      button->show();
      attributeButtons_.push_back(button);
      buttonItems_.emplace_back(&d, d.lhs[i]);
    }
  }
  if (!attributeButtons_.empty()) exercise::FitCanvas(*canvas_, nextTop_ + 25 + 20, WindowHeight);
  exercise::ListFromTop(*Memo1, ListDependencyLines(workingCopy_, attributeNames_));
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
  bool correct = true;
  for (const QPushButton* button : attributeButtons_) {
    if (Tag(button) == 10 || Tag(button) == 1) correct = false;
  }
  if (!exercise::AnnounceVerdict(correct, messages_)) return;
  feedback_->Record(correct);
  QStringList why;
  for (std::size_t k = 0; k < attributeButtons_.size(); ++k) {
    const int tag = Tag(attributeButtons_[k]);
    if (tag != 10 && tag != 1) continue;
    const auto [record, attribute] = buttonItems_[k];
    why << explain::FollowsLines(
        tr("%1 v %2").arg(ToText(NameOf(attributeNames_, attribute)),
                          ToText(ShowDependency(*record, attributeNames_))),
        LhsWithoutOneCopy(*record, attribute), record->Rhs(), workingCopy_, nullptr,
        attributeNames_);
  }
  feedback_->Explain(why);
  ShowSolution();
}

void TForm_Test_RedAtr::ShowSolution() {
  AppendLine(*Memo1, QStringLiteral("-----------------"));
  AppendLine(*Memo1, tr("Po redukci atributu:"));
  RemoveRedundantAttributes(reducedCopy_);
  AppendLines(*Memo1, ListDependencyLines(reducedCopy_, attributeNames_));
  Button1->setEnabled(false);
  Button_new->show();
  for (QPushButton* button : attributeButtons_)
    disconnect(button, &QPushButton::clicked, this, nullptr);
}

void TForm_Test_RedAtr::a_newExecute() {
  Memo1->clear();
  exercise::ListFromTop(*Memo1, ListDependencyLines(workingCopy_, attributeNames_));
  for (QPushButton* button : attributeButtons_) {
    SetTag(button, Tag(button) % 10);
    AttachClick(button);
  }
  Button_new->hide();
  Button1->setEnabled(true);
}

void TForm_Test_RedAtr::a_clearExecute() {
  for (QPushButton* button : attributeButtons_)
    delete button;
  attributeButtons_.clear();
  buttonItems_.clear();
  for (QLabel* label : dependencyLabels_)
    delete label;
  dependencyLabels_.clear();
  Memo1->clear();
  workingCopy_.clear();
  reducedCopy_.clear();
  Button_new->hide();
  exercise::FitCanvas(*canvas_, 0, WindowHeight);
}

void TForm_Test_RedAtr::FormClose() {
  feedback_->ResetScore();
  a_clearExecute();
}
