#include "TForm_Redundant_Dependency.h"

TForm_Redundant_Dependency::TForm_Redundant_Dependency(SchemaHost& host, MessageService& messages,
                                                       QWidget* parent)
    : QWidget(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Redundant_Dependency"));
  setWindowTitle(QStringLiteral("Schemario - Redundantni zavislosti"));
}

void TForm_Redundant_Dependency::LoadSchema() {}

void TForm_Redundant_Dependency::AddDependencyRow(const Dependency&) {}
