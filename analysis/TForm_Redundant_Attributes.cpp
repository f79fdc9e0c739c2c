#include "TForm_Redundant_Attributes.h"

TForm_Redundant_Attributes::TForm_Redundant_Attributes(SchemaHost& host, MessageService& messages,
                                                       QWidget* parent)
    : QWidget(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Redundant_Attributes"));
  setWindowTitle(QStringLiteral("Schemario - Redundantni atributy"));
}

void TForm_Redundant_Attributes::LoadSchema() {}

void TForm_Redundant_Attributes::AddAttributeRow(AttributeIndex, const Dependency&) {}
