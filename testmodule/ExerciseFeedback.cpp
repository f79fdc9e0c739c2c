#include "ExerciseFeedback.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <algorithm>

#include "Data_statement_2.h"
#include "Display.h"
#include "ExerciseSupport.h"

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
  ShowScore();
}

void ExerciseFeedback::Record(bool right) {
  ++attempted_;
  if (right) ++right_;
  ShowScore();
}

void ExerciseFeedback::ResetScore() {
  right_ = 0;
  attempted_ = 0;
  ShowScore();
  Explain({});
}

void ExerciseFeedback::ShowScore() {
  Label_Score->setText(tr("Spravne: %1 z %2").arg(right_).arg(attempted_));
}

void ExerciseFeedback::Explain(const QStringList& lines) {
  Memo_Explanation->setPlainText(lines.join(QLatin1Char('\n')));
  Memo_Explanation->moveCursor(QTextCursor::Start);
  const bool shown = !lines.isEmpty();
  if (shown == !Memo_Explanation->isHidden()) return;
  Memo_Explanation->setVisible(shown);
  // The window grows by the explanation rather than hiding the exercise
  // behind it, as far as the screen allows.
  QWidget* window = this->window();
  const int extra = Memo_Explanation->maximumHeight();
  const int tallest =
      std::min(exercise::TallestWindow, window->screen()->availableGeometry().height());
  const int room = tallest - window->height();
  if (shown) {
    grownBy_ = std::clamp(room, 0, extra);
    window->resize(window->width(), window->height() + grownBy_);
    // What the explanation takes from the exercise above may make it scroll
    // upright; the window then widens by the scroll bar rather than making
    // the exercise scroll sideways too.
    GrowToContent(*window, canvas_);
  } else {
    window->resize(window->width(), window->height() - grownBy_);
    grownBy_ = 0;
  }
}

void ExerciseFeedback::ShowRule(const QString& text) {
  Label_Rule->setText(text);
  Label_Rule->setVisible(!text.isEmpty());
}

namespace explain {

QString SetText(AttributeSet set, const AttributeTable& names) {
  QStringList parts;
  for (AttributeIndex a = 0; a < MaxAttributes; ++a)
    if (set.Has(a)) parts << ToText(NameOf(names, a));
  return QStringLiteral("{") + parts.join(QStringLiteral(", ")) + QStringLiteral("}");
}

QStringList TraceLines(const std::vector<ClosureStep>& steps, const AttributeTable& names) {
  QStringList lines;
  for (const ClosureStep& step : steps) {
    lines << QCoreApplication::translate("ExerciseFeedback", "  %1 pridava %2")
                 .arg(ToText(ShowDependency(*step.record, names)),
                      ToText(NameOf(names, step.attribute)));
  }
  return lines;
}

QStringList KeyCandidateLines(AttributeSet candidate, AttributeSet members,
                              const DependencyList& dependencies, const AttributeTable& names) {
  const KeyExplanation why = ExplainKeyCandidate(candidate, members, dependencies);
  const QString shown = SetText(candidate, names);
  switch (why.verdict) {
    case KeyVerdict::NotSuperkey:
      return {QCoreApplication::translate("ExerciseFeedback",
                                          "%1 neni klic: jeho uzaver %2 neobsahuje %3")
                  .arg(shown, SetText(why.closure, names), SetText(why.missing, names))};
    case KeyVerdict::NotMinimal:
      return {
          QCoreApplication::translate("ExerciseFeedback", "%1 neni klic: uz jeho cast %2 je klic")
              .arg(shown, SetText(why.smallerKey, names))};
    case KeyVerdict::Key:
      break;
  }
  return {
      QCoreApplication::translate(
          "ExerciseFeedback", "%1 je klic: urcuje vsechny atributy a zadny z nich nelze vynechat")
          .arg(shown)};
}

QStringList FollowsLines(const QString& item, AttributeSet start, AttributeIndex rhs,
                         const DependencyList& dependencies, const Dependency* excluded,
                         const AttributeTable& names) {
  const std::vector<ClosureStep> steps = TraceClosure(start, dependencies, rhs, excluded);
  const AttributeSet reached = Reached(start, steps);
  const QString target = ToText(NameOf(names, rhs));
  if (!reached.Has(rhs)) {
    return {QCoreApplication::translate("ExerciseFeedback",
                                        "%1 neni nadbytecne: uzaver %2 je %3, neobsahuje %4")
                .arg(item, SetText(start, names), SetText(reached, names), target)};
  }
  QStringList lines{
      QCoreApplication::translate("ExerciseFeedback", "%1 je nadbytecne: z %2 plyne %3 i bez nej:")
          .arg(item, SetText(start, names), target)};
  return lines + TraceLines(steps, names);
}

}  // namespace explain
