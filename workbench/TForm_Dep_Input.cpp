#include "TForm_Dep_Input.h"

TForm_Dep_Input::TForm_Dep_Input(SchemaHost& host, MessageService& messages, QWidget* parent)
    : QDialog(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Dep_Input"));
  setWindowTitle(QStringLiteral("Schemario - Zadavani zavislosti"));
}

void TForm_Dep_Input::Prepare() {}
