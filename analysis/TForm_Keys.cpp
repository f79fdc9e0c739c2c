#include "TForm_Keys.h"

TForm_Keys::TForm_Keys(SchemaHost& host, MessageService& messages, QWidget* parent)
    : QWidget(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Keys"));
  setWindowTitle(QStringLiteral("Schemario - Klice schematu"));
}

void TForm_Keys::LoadSchema() {}
