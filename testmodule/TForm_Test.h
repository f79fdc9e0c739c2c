#pragma once

#include <QWidget>

#include "WindowDirectory.h"

class QAction;

// The test module's hub: one picture button per exercise.
class TForm_Test final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Test(WindowDirectory& windows, QWidget* parent = nullptr);

  void a_closureExecute();
  void a_maxsetExecute();
  void a_keysExecute();
  void a_red_atributyExecute();
  void a_red_zavislostiExecute();
  void a_dekompoziceExecute();
  void a_syntezaExecute();
  void a_vlastni_dekompoziceExecute();
  void a_konecExecute();

 private:
  WindowDirectory& windows_;
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
