#pragma once

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
class TForm_Test final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Test(QWidget* parent = nullptr);

  void a_closureExecute();
  void a_maxsetExecute();
  void a_keysExecute();
  void a_red_atributyExecute();
  void a_red_zavislostiExecute();
  void a_dekompoziceExecute();
  void a_syntezaExecute();
  void a_vlastni_dekompoziceExecute();
  void a_konecExecute();

 signals:
  // The student chose an exercise; its window is prepared and shown by the
  // owner of the exercise windows.
  void exerciseRequested(Exercise exercise);

 private:
  QAction* a_closure = nullptr;
  QAction* a_maxset = nullptr;
  QAction* a_keys = nullptr;
  QAction* a_red_atributy = nullptr;
  QAction* a_red_zavislosti = nullptr;
  QAction* a_dekompozice = nullptr;
  QAction* a_synteza = nullptr;
  QAction* a_vlastni_dekompozice = nullptr;
  QAction* a_konec = nullptr;
};
