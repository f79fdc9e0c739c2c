#include "SynthesisExercise.h"

SynthesisExercise::SynthesisExercise(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form_Test_Synteza"));
  setWindowTitle(tr("Testovaci modul - Synteza"));
  resize(619, 377);
}
