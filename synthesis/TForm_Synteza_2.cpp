#include "TForm_Synteza_2.h"

TForm_Synteza_2::TForm_Synteza_2(SchemaHost& host, WindowDirectory& windows,
                                 MessageService& messages, QWidget* parent)
    : QWidget(parent), host_(host), windows_(windows), messages_(messages) {
  setObjectName(QStringLiteral("Form_Synteza_2"));
  setWindowTitle(QStringLiteral("Schemario - Synteza"));
}

void TForm_Synteza_2::LoadSchema(DependencyList, KeyList) {}
