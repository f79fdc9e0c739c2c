#include "TForm_Test_RedAtr.h"

TForm_Test_RedAtr::TForm_Test_RedAtr(SchemaHost& host, MessageService& messages, QWidget* parent)
    : QWidget(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Test_RedAtr"));
}

void TForm_Test_RedAtr::PrepareExercise() {}
