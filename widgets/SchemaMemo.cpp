#include "SchemaMemo.h"

#include <QMimeData>
#include <QTextDocumentFragment>

#include "Display.h"

SchemaMemo::SchemaMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
}

QMimeData* SchemaMemo::createMimeDataFromSelection() const {
  auto* copied = new QMimeData;
  copied->setText(Unbreakable(textCursor().selection().toPlainText()));
  return copied;
}
