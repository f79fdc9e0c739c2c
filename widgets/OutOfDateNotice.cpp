#include "OutOfDateNotice.h"

#include <QBoxLayout>

#include "Display.h"
#include "SchemaDocument.h"
#include "ToolSession.h"

OutOfDateNotice::OutOfDateNotice(QWidget& window) : QLabel(&window) {
  setObjectName(QStringLiteral("Label_OutOfDate"));
  setWordWrap(true);
  setMargin(4);
  SetBackground(*this, colours::RowYellow);
  auto* box = qobject_cast<QBoxLayout*>(window.layout());
  Q_ASSERT_X(box != nullptr, "OutOfDateNotice", "the window needs a box layout");
  box->insertWidget(0, this);
  hide();
}

OutOfDateNotice* OutOfDateNotice::Follow(QWidget& window, const SchemaDocument& document) {
  auto* notice = new OutOfDateNotice(window);
  connect(&document, &SchemaDocument::changed, notice, &OutOfDateNotice::ShowOutOfDate);
  return notice;
}

OutOfDateNotice* OutOfDateNotice::Follow(QWidget& window, const ToolSession& session) {
  auto* notice = new OutOfDateNotice(window);
  connect(&session, &ToolSession::outOfDateChanged, notice, [notice](bool outOfDate) {
    if (outOfDate) {
      notice->ShowOutOfDate();
    } else {
      notice->hide();
    }
  });
  return notice;
}

void OutOfDateNotice::ShowOutOfDate() {
  Announce(
      tr("Schema bylo od naplneni tohoto okna zmeneno: okno ukazuje predchozi stav. Pro "
         "aktualni stav ho otevrete znovu."));
}

void OutOfDateNotice::ShowRefilled() {
  Announce(tr("Schema bylo zmeneno: seznam byl sestaven znovu z aktualniho schematu."));
}

void OutOfDateNotice::Announce(const QString& text) {
  setText(text);
  show();
}
