#include "TForm_Test_MaxSet.h"

TForm_Test_MaxSet::TForm_Test_MaxSet(SchemaHost& host, MessageService& messages, QWidget* parent)
    : QWidget(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Test_MaxSet"));
}

void TForm_Test_MaxSet::PrepareExercise() {}
