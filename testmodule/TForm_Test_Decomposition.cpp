#include "TForm_Test_Decomposition.h"

TForm_Test_Decomposition::TForm_Test_Decomposition(SchemaHost& host, MessageService& messages,
                                                   QWidget* parent)
    : QWidget(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Test_Decomposition"));
  setWindowTitle(QStringLiteral("Testovaci model - Dekompozice"));
}

void TForm_Test_Decomposition::PrepareExercise() {}
