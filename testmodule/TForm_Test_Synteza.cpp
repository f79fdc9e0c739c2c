#include "TForm_Test_Synteza.h"

TForm_Test_Synteza::TForm_Test_Synteza(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form_Test_Synteza"));
  setWindowTitle(tr("Testovaci modul - Synteza"));
  resize(619, 377);
}
