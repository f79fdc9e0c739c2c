#include "ReportPages.h"

#include <algorithm>

namespace {

// Printer layout in printer units.
constexpr int kLeft = 150;
constexpr int kTitleTop = 50;
constexpr int kTitlePoints = 20;
constexpr int kLinePoints = 12;
constexpr int kFirstLineTop = 110;
constexpr int kLinePitch = 30;
constexpr int kLinesPerPage = 47;
constexpr int kContinuationIndent = 40;

// The side margins and the continuation indent of a page; on narrow paper
// (a receipt or label printer) they shrink with the page, so that text keeps
// at least most of the width.
struct PageMargins {
  int left;
  int indent;
  int room;  // the width of a first line
};

PageMargins MarginsFor(int pageWidth) {
  const int left = std::clamp(pageWidth / 8, 0, kLeft);
  const int room = std::max(1, pageWidth - 2 * left);
  return {left, std::min(kContinuationIndent, room / 4), room};
}

// The pieces `line` is printed in, the first within `room` and the others
// within `room - indent`: each broken after the last blank that fits, or
// within a word only when the piece would otherwise hold no word at all. A
// piece holds at least one character, so even a page narrower than a letter
// is finished.
QStringList PrintedPieces(const PrinterCanvas& canvas, QString rest, int room, int indent) {
  QStringList pieces;
  int width = room;
  while (rest.size() > 1 && canvas.TextWidth(rest) > width) {
    qsizetype fits = 1;
    while (canvas.TextWidth(rest.left(fits + 1)) <= width)
      ++fits;
    const qsizetype blank = rest.lastIndexOf(QLatin1Char(' '), fits);
    const bool word = blank > 0 && !rest.left(blank).trimmed().isEmpty();
    const qsizetype cut = word ? blank + 1 : fits;
    pieces << rest.left(cut);
    rest = rest.mid(cut);
    width = room - indent;
  }
  pieces << rest;
  return pieces;
}

}  // namespace

QString ReportTitle() {
  return QStringLiteral("Schemario");
}

bool PaintReportPages(PrinterCanvas& canvas, const QStringList& lines,
                      const std::optional<ReportPicture>& picture) {
  const PageMargins margins = MarginsFor(canvas.PageWidth());
  canvas.SetFont(kTitlePoints, true);
  canvas.DrawText(margins.left, kTitleTop, ReportTitle());
  canvas.SetFont(kLinePoints, false);
  int row = 0;
  for (const QString& line : lines) {
    const QStringList pieces = PrintedPieces(canvas, line, margins.room, margins.indent);
    for (qsizetype k = 0; k < pieces.size(); ++k) {
      if (row == kLinesPerPage) {
        if (!canvas.NewPage()) return false;
        row = 0;
      }
      const int indent = k == 0 ? 0 : margins.indent;
      canvas.DrawText(margins.left + indent, kFirstLineTop + kLinePitch * row, pieces[k]);
      ++row;
    }
  }
  if (!picture || picture->size.isEmpty()) return true;
  if (!canvas.NewPage()) return false;
  // The page's lines span this height; the picture keeps within it.
  constexpr int tallest = kLinePitch * kLinesPerPage;
  const int width =
      std::min(margins.room, picture->size.width() * tallest / picture->size.height());
  canvas.DrawPicture(margins.left, kFirstLineTop, width, picture->size, picture->paint);
  return true;
}
