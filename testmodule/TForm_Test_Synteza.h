#pragma once

#include <QWidget>

class TForm_Test_Synteza final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Test_Synteza(QWidget* parent = nullptr);
  // The synthesis exercise has no task: opening it shows the empty window.
  void PrepareExercise() {}
};
