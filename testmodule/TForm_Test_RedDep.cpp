#include "TForm_Test_RedDep.h"

TForm_Test_RedDep::TForm_Test_RedDep(SchemaHost& host, MessageService& messages, QWidget* parent)
    : QWidget(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Test_RedDep"));
}

void TForm_Test_RedDep::PrepareExercise() {}
