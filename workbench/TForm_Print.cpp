#include "TForm_Print.h"

TForm_Print::TForm_Print(MessageService& messages, FileDialogService& files, PrintService& printing,
                         QWidget* parent)
    : QWidget(parent), messages_(messages), files_(files), printing_(printing) {
  setObjectName(QStringLiteral("Form_Print"));
  setWindowTitle(QStringLiteral("Schemario - Tiskovy formular"));
}

void TForm_Print::AddReportLine(const QString&) {}
