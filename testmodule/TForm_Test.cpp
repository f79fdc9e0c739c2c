#include "TForm_Test.h"

TForm_Test::TForm_Test(WindowDirectory& windows, QWidget* parent)
    : QWidget(parent), windows_(windows) {
  setObjectName(QStringLiteral("Form_Test"));
  setWindowTitle(QStringLiteral("Schemario - Testovaci modul"));
}
