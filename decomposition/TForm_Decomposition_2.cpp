#include "TForm_Decomposition_2.h"

TForm_Decomposition_2::TForm_Decomposition_2(SchemaHost& host, WindowDirectory& windows,
                                             MessageService& messages, ErrorDisplay& errors,
                                             QWidget* parent)
    : QWidget(parent), host_(host), windows_(windows), messages_(messages), errors_(errors) {
  setObjectName(QStringLiteral("Form_Decomposition_2"));
  setWindowTitle(QStringLiteral("Schemario - Dekompozice"));
}

void TForm_Decomposition_2::LoadSchema() {}
