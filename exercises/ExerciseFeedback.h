#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>
#include "ExerciseSession.h"

class QLabel;
class QPlainTextEdit;

// The strip under an exercise: the running score since the window was
// opened and, after an answer is checked, why each wrong or missed mark is
// wrong, computed from the schema.
class ExerciseFeedback final : public QWidget {
  Q_OBJECT

 public:
  // Placed at the bottom of the window's box layout, below `canvas`, the
  // window's scrolling client area made by MakeScrollingCanvas.
  ExerciseFeedback(QWidget& window, const QWidget& canvas);

  void ShowScore(ExerciseSession::Score score);
  // Shows the lines under the exercise; none hides the explanation.
  void Explain(const QStringList& lines);
  // A rule the student should know before answering.
  void ShowRule(const QString& text);

 private:
  QLabel* Label_Score = nullptr;
  QLabel* Label_Rule = nullptr;
  QPlainTextEdit* Memo_Explanation = nullptr;
  // How much taller the window was made for the explanation.
  const QWidget& canvas_;
  int grownBy_ = 0;
};
