#include "ExerciseFeedback.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <algorithm>

#include "Display.h"
#include "ExerciseSupport.h"
#include "SchemaListing.h"

ExerciseFeedback::ExerciseFeedback(QWidget& window, const QWidget& canvas)
    : QWidget(&window), canvas_(canvas) {
  setObjectName(QStringLiteral("Panel_Feedback"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 8);
  Label_Rule = new QLabel(this);
  Label_Rule->setObjectName(QStringLiteral("Label_Rule"));
  Label_Rule->setWordWrap(true);
  Label_Rule->hide();
  Label_Score = new QLabel(this);
  Label_Score->setObjectName(QStringLiteral("Label_Score"));
  Memo_Explanation = new QPlainTextEdit(this);
  Memo_Explanation->setObjectName(QStringLiteral("Memo_Explanation"));
  Memo_Explanation->setReadOnly(true);
  Memo_Explanation->setMaximumHeight(fontMetrics().lineSpacing() * 8);
  Memo_Explanation->hide();
  layout->addWidget(Label_Rule);
  layout->addWidget(Label_Score);
  layout->addWidget(Memo_Explanation);
  // The exercise above keeps every pixel the strip does not need.
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  if (auto* box = qobject_cast<QBoxLayout*>(window.layout())) box->addWidget(this, 0);
  ShowScore({});
}

void ExerciseFeedback::ShowScore(ExerciseSession::Score score) {
  Label_Score->setText(tr("Spravne: %1 z %2").arg(score.right).arg(score.attempted));
}

void ExerciseFeedback::Explain(const QStringList& lines) {
  Memo_Explanation->setPlainText(lines.join(QLatin1Char('\n')));
  Memo_Explanation->moveCursor(QTextCursor::Start);
  const bool shown = !lines.isEmpty();
  if (shown == !Memo_Explanation->isHidden()) return;
  Memo_Explanation->setVisible(shown);
  // The strip's measure changes now rather than at the next turn of the
  // event loop, so that the window's next measure does not count a hidden
  // explanation.
  layout()->activate();
  // The window grows by the explanation rather than hiding the exercise
  // behind it, as far as the screen allows.
  QWidget* window = this->window();
  const int extra = Memo_Explanation->maximumHeight();
  const int tallest =
      std::min(exercise::TallestWindow, window->screen()->availableGeometry().height());
  const int room = tallest - window->height();
  if (shown) {
    const int before = window->height();
    window->resize(window->width(), before + std::clamp(room, 0, extra));
    // What the explanation takes from the exercise above may make it scroll
    // upright; the window then widens by the scroll bar rather than making
    // the exercise scroll sideways too. Whatever height it gained, it gives
    // back when the explanation goes.
    GrowToContent(*window, canvas_);
    grownBy_ = window->height() - before;
  } else {
    window->resize(window->width(), window->height() - grownBy_);
    grownBy_ = 0;
  }
}

void ExerciseFeedback::ShowRule(const QString& text) {
  Label_Rule->setText(text);
  Label_Rule->setVisible(!text.isEmpty());
}
