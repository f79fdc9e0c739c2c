#include "TForm_MaxSet.h"

TForm_MaxSet::TForm_MaxSet(SchemaHost& host, MessageService& messages, QWidget* parent)
    : QWidget(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_MaxSet"));
  setWindowTitle(QStringLiteral("Schemario - Maximalni mnoziny"));
}

void TForm_MaxSet::LoadSchema() {}
