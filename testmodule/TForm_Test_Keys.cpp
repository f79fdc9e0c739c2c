#include "TForm_Test_Keys.h"

TForm_Test_Keys::TForm_Test_Keys(SchemaHost& host, MessageService& messages, RandomSource& random,
                                 QWidget* parent)
    : QWidget(parent), host_(host), messages_(messages), random_(random) {
  setObjectName(QStringLiteral("Form_Test_Keys"));
}

void TForm_Test_Keys::PrepareExercise() {}
