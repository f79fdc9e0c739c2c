#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QLabel;

// A line of samples that says what a window's colours mean, so that nothing
// has to be hovered to be understood: each sample is a small framed patch
// in its colour that holds its meaning.
class Legend final : public QWidget {
  Q_OBJECT

 public:
  explicit Legend(QWidget* parent = nullptr);

  // Adds a sample; a superseded one is written as a replaced schema is.
  QLabel* Add(const QColor& colour, const QString& meaning, bool superseded = false);
  // The colours of schema fields by their normal form, and the look of a
  // schema that a later step replaced.
  void AddSchemaColours();
  // The colours of dependency rows by the normal form they violate.
  void AddDependencyColours();
  // The red of a wrong answer in an exercise's solution.
  void AddMistakeColour();
};
