#include "TForm_ABC_Input.h"

TForm_ABC_Input::TForm_ABC_Input(SchemaHost& host, MessageService& messages, QWidget* parent)
    : QDialog(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_ABC_Input"));
  setWindowTitle(QStringLiteral("Schemario - Zadavani atributu"));
}

void TForm_ABC_Input::Prepare() {}
