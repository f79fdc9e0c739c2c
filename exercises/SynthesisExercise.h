#pragma once

#include <QWidget>

// The synthesis exercise: it sets no task yet, so opening it shows the empty
// window, and it keeps no state.
class SynthesisExercise final : public QWidget {
  Q_OBJECT

 public:
  explicit SynthesisExercise(QWidget* parent = nullptr);
};
