#include "Legend.h"

#include <QHBoxLayout>
#include <QLabel>

#include "Display.h"

Legend::Legend(QWidget* parent) : QWidget(parent) {
  auto* line = new QHBoxLayout(this);
  line->setContentsMargins(0, 0, 0, 0);
  line->setSpacing(6);
  line->addStretch(1);
}

QLabel* Legend::Add(const QColor& colour, const QString& meaning, bool superseded) {
  auto* sample = new QLabel(meaning, this);
  sample->setObjectName(QStringLiteral("Legend_%1").arg(layout()->count()));
  sample->setTextFormat(Qt::PlainText);
  // A narrow window wraps a meaning within its sample rather than cut it.
  sample->setWordWrap(true);
  sample->setFrameShape(QFrame::Box);
  sample->setContentsMargins(4, 1, 4, 1);
  ShowSuperseded(*sample, superseded, colour);
  // On a dark colour the meaning is written in white.
  if (colour.lightness() < 128) {
    QPalette palette = sample->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    sample->setPalette(palette);
  }
  // The samples stand from the left; the stretch stays last.
  auto* line = static_cast<QHBoxLayout*>(layout());
  line->insertWidget(line->count() - 1, sample);
  return sample;
}

void Legend::AddSchemaColours() {
  Add(SchemaFieldColour(NormalFormClass::Violates3NF), tr("oranzove: schema v 1. ci 2. NF"));
  Add(SchemaFieldColour(NormalFormClass::ThirdOnly), tr("zlute: schema ve 3NF"));
  Add(SchemaFieldColour(NormalFormClass::Bcnf), tr("sede: schema v BCNF"));
  Add(SchemaFieldColour(NormalFormClass::Violates3NF), tr("kurzivou: nahrazene schema"), true);
}

void Legend::AddDependencyColours() {
  Add(colours::RowYellow, tr("zluta: zavislost porusuje 3NF"));
  Add(colours::BcnfGreen, tr("zelena: zavislost porusuje jen BCNF"));
  Add(colours::ButtonFace(), tr("seda: zavislost BCNF neporusuje"));
}

void Legend::AddMistakeColour() {
  Add(colours::WrongRed, tr("cervene: chyba ve vasi odpovedi"));
}
