#include "RedundantAttributesExercise.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "Display.h"
#include "ExerciseFeedback.h"
#include "ExerciseSupport.h"
#include "RowPanel.h"
#include "SchemaListing.h"

namespace {

using Mark = RedundantAttributesExerciseSession::Mark;

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

void ShowMark(QPushButton& button, Mark mark) {
  button.setIcon(QApplication::style()->standardIcon(
      mark == Mark::Redundant ? QStyle::SP_DialogCancelButton : QStyle::SP_DialogOkButton));
}

}  // namespace

RedundantAttributesExercise::RedundantAttributesExercise(
    RedundantAttributesExerciseSession& session, SchemaHost& host, RandomSource& random,
    MessageService& messages, ErrorDisplay& errors, QWidget* parent)
    : CorrectableExercise(session, host, random, messages, errors, parent), session_(session) {
  setObjectName(QStringLiteral("Form_Test_RedAtr"));
  setWindowTitle(tr("Testovaci modul - Redundantni atributy"));
  canvas_ = canvas();
  resize(WindowWidth, WindowHeight);
  feedback_->ShowRule(tr("Pravidlo: kazda polozka se posuzuje samostatne vuci celemu seznamu."));

  Label1 = exercise::MakeLabel(canvas_, "Label1", tr("Redundantni atributy"), true, false, 16);
  Label2 = exercise::MakeLabel(canvas_, "Label2", tr("(atribut oznacite kliknutim)"));
  Label4 = exercise::MakeLabel(canvas_, "Label4", QString(71, QLatin1Char('_')));
  Label3 = exercise::MakeLabel(canvas_, "Label3", tr("Zavislosti:"), true, false, 16);
  Memo1 = exercise::MakeDependencyMemo(canvas_, "Memo1");
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setMinimumSize(MemoWidth, 369);
  makeCommandButtons(QSize(100, 33), QSize(98, 33));
  checkButton()->setDefault(true);
  SetDefaultButton(checkButton());

  lines_ = new RowPanel(canvas_);
  lines_->grid().setVerticalSpacing(4);
  auto* side = new QVBoxLayout;
  side->setSpacing(8);
  side->addWidget(Memo1);
  side->addSpacing(8);
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
  grid->addWidget(lines_, 4, 0, Qt::AlignTop);
  grid->addLayout(side, 4, 1);
  grid->setColumnMinimumWidth(0, LinesWidth);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(4, 1);

  connect(&session_, &RedundantAttributesExerciseSession::taskChanged, this,
          &RedundantAttributesExercise::buildLines);
  connect(&session_, &ExerciseSession::phaseChanged, this, &RedundantAttributesExercise::showPhase);
  showPhase(session_.phase());
}

void RedundantAttributesExercise::buildLines() {
  lines_->clear();
  itemButtons_.clear();
  const AttributeTable& names = session_.names();
  const std::vector<RedundantAttributesExerciseSession::Item>& items = session_.items();
  std::size_t k = 0;
  int row = 0;
  std::size_t dependency = 0;
  for (const Dependency& d : session_.dependencies()) {
    auto* label =
        new QLabel(tr("Zavislost: %1").arg(Breakable(ToText(ShowDependency(d, names)))), lines_);
    QFont font = label->font();
    font.setPointSize(10);
    label->setFont(font);
    // A long dependency wraps within its column rather than hide under the
    // dependency list.
    label->setWordWrap(true);
    lines_->grid().addWidget(label, row++, 0);
    // Buttons are at least 65 wide; a line of them that would outgrow the
    // column goes on below.
    auto* line = new QWidget(lines_);
    auto* buttons = new QGridLayout(line);
    buttons->setContentsMargins(ButtonIndent, 0, 0, 14);
    buttons->setSpacing(ButtonGap);
    buttons->setAlignment(Qt::AlignLeft);
    lines_->grid().addWidget(line, row++, 0);
    int left = 0;
    int buttonRow = 0;
    int column = 0;
    for (; k < items.size() && items[k].dependency == dependency; ++k) {
      const QString name = ToText(NameOf(names, items[k].attribute));
      auto* button = new QPushButton(line);
      ShowMark(*button, items[k].mark);
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
        ++buttonRow;
      }
      buttons->addWidget(button, buttonRow, column++);
      left += width + ButtonGap;
      connect(button, &QPushButton::clicked, this, [this, k] { toggle(k); });
      itemButtons_.push_back(button);
    }
    ++dependency;
  }
  Memo1->clear();
  if (names[0].empty()) return;
  exercise::ListFromTop(*Memo1, ListDependencyLines(session_.dependencies(), names));
  exercise::FitLines(*this, *canvas_, *Memo1, MemoWidth);
}

void RedundantAttributesExercise::toggle(std::size_t item) {
  session_.toggle(item);
  ShowMark(*itemButtons_.at(item), session_.items().at(item).mark);
}

void RedundantAttributesExercise::showPhase(ExerciseSession::Phase phase) {
  const bool checked = phase == ExerciseSession::Phase::Checked;
  for (std::size_t k = 0; k < itemButtons_.size(); ++k)
    ShowMark(*itemButtons_[k], session_.items()[k].mark);
  Memo1->clear();
  if (!session_.names()[0].empty()) {
    exercise::ListFromTop(*Memo1, ListDependencyLines(session_.dependencies(), session_.names()));
  }
  if (checked) {
    AppendLine(*Memo1, QStringLiteral("-----------------"));
    AppendLine(*Memo1, tr("Po redukci atributu:"));
    AppendLines(*Memo1, ListDependencyLines(session_.reduced(), session_.names()));
  }
  showCommands(phase);
}
