#include "TForm_Test_Closure.h"

TForm_Test_Closure::TForm_Test_Closure(SchemaHost& host, MessageService& messages, QWidget* parent)
    : QWidget(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Test_Closure"));
}

void TForm_Test_Closure::PrepareExercise() {}
