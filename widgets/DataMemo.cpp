#include "DataMemo.h"

#include <QAbstractTextDocumentLayout>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QtMath>
#include <algorithm>

#include "Display.h"

DataMemo::DataMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
}

void DataMemo::appendData(const std::vector<std::string>& lines) {
  const int top = verticalScrollBar()->value();
  for (const std::string& line : lines)
    appendPlainText(Breakable(ToText(line)));
  verticalScrollBar()->setValue(top);
}

QMimeData* DataMemo::createMimeDataFromSelection() const {
  auto* copied = new QMimeData;
  copied->setText(Unbreakable(textCursor().selection().toPlainText()));
  return copied;
}

void DataMemo::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  // A line of the first block is as tall as every line of the memo.
  const qreal line =
      document()->documentLayout()->blockBoundingRect(document()->firstBlock()).height() /
      std::max(1, document()->firstBlock().lineCount());
  const QScrollBar* sideways = horizontalScrollBar();
  const int room = contentsRect().height() - (sideways->isVisible() ? sideways->height() : 0) -
                   qRound(document()->documentMargin());
  const int lines = line > 0 ? static_cast<int>(room / line) : 0;
  const int spare = lines > 1 ? room - qCeil(lines * line) : 0;
  if (viewportMargins().bottom() != spare) setViewportMargins(0, 0, 0, spare);
}
