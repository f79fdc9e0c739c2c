#pragma once

#include <QString>
#include <QWidget>

class QAction;

// The exercises the hub offers.
enum class Exercise {
  Closure,
  MaximalSets,
  Keys,
  RedundantAttributes,
  RedundantDependencies,
  Decomposition,
  Synthesis,
  OwnDecomposition,
};

// The test module's hub: one picture button per exercise.
class ExerciseHub final : public QWidget {
  Q_OBJECT

 public:
  explicit ExerciseHub(QWidget* parent = nullptr);

 signals:
  // The student chose an exercise; its window is prepared and shown by the
  // owner of the exercise windows.
  void exerciseRequested(Exercise exercise);

 private:
  // An action of the hub that asks for the exercise.
  QAction* makeExerciseAction(const char* name, const QString& caption, Exercise which);
};
