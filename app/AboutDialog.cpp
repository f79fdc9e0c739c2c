#include "AboutDialog.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form_About"));
  setWindowTitle(tr("Schemario - O programu"));
  setModal(true);

  auto* title = new QLabel(QStringLiteral("Schemario"), this);
  title->setObjectName(QStringLiteral("Label_Title"));
  QFont titleFont = title->font();
  titleFont.setPointSize(titleFont.pointSize() * 2);
  titleFont.setBold(true);
  title->setFont(titleFont);
  title->setAlignment(Qt::AlignCenter);

  auto* version = new QLabel(tr("Verze 1.0"), this);
  version->setObjectName(QStringLiteral("Label_Version"));
  version->setAlignment(Qt::AlignCenter);

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("Button_OK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(40, 24, 40, 16);
  layout->setSpacing(12);
  layout->addWidget(title);
  layout->addWidget(version);
  layout->addWidget(ok, 0, Qt::AlignCenter);
  setFixedSize(sizeHint().expandedTo(QSize(280, 0)));
}
