#include "OutOfDateNotice.h"

#include <QBoxLayout>
#include <QEvent>

#include "Display.h"
#include "SchemaDocument.h"

OutOfDateNotice::OutOfDateNotice(QWidget& window) : QLabel(&window), window_(window) {
  setObjectName(QStringLiteral("Label_OutOfDate"));
  setWordWrap(true);
  setMargin(4);
  SetBackground(*this, colours::RowYellow);
  if (auto* box = qobject_cast<QBoxLayout*>(window.layout())) {
    box->insertWidget(0, this);
  } else {
    overlay_ = true;
    window.installEventFilter(this);
  }
  hide();
}

OutOfDateNotice* OutOfDateNotice::Follow(QWidget& window, const SchemaDocument& document) {
  auto* notice = new OutOfDateNotice(window);
  connect(&document, &SchemaDocument::changed, notice, &OutOfDateNotice::ShowOutOfDate);
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
  if (overlay_) FitToWindow();
  show();
  raise();
}

void OutOfDateNotice::FitToWindow() {
  const int height = heightForWidth(window_.width());
  setGeometry(0, 0, window_.width(), height > 0 ? height : sizeHint().height());
}

bool OutOfDateNotice::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Resize && isVisible()) FitToWindow();
  return QLabel::eventFilter(watched, event);
}
