#include "ReportPages.h"

#include <algorithm>
#include <vector>

namespace {

// Printer layout in printer units. The canvas is the page's printable area,
// whose margins the printer already keeps.
constexpr int kTitleTop = 50;
constexpr int kTitlePoints = 20;
constexpr int kLinePoints = 12;
constexpr int kFirstLineTop = 110;
constexpr int kLinePitch = 30;
constexpr int kLinesPerPage = 47;
constexpr int kContinuationIndent = 40;

// The indent of a line's continuation; on narrow paper (a receipt or label
// printer) it shrinks with the page, so that text keeps most of the width.
int IndentFor(int room) {
  return std::min(kContinuationIndent, room / 4);
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

namespace {

// A heading names what the lines below it hold ("SCHEMA 1:", "KLICE:").
bool IsHeading(const QString& line) {
  return line.trimmed().endsWith(QLatin1Char(':'));
}

bool IsBlank(const QString& line) {
  return line.trimmed().isEmpty();
}

}  // namespace

bool PaintReportPages(PrinterCanvas& canvas, const QStringList& lines,
                      const std::optional<ReportPicture>& picture) {
  const int room = std::max(1, canvas.PageWidth());
  const int indent = IndentFor(room);
  canvas.SetFont(kTitlePoints, true);
  canvas.DrawText(0, kTitleTop, ReportTitle());
  canvas.SetFont(kLinePoints, false);
  std::vector<QStringList> printed;
  printed.reserve(static_cast<std::size_t>(lines.size()));
  for (const QString& line : lines)
    printed.push_back(PrintedPieces(canvas, line, room, indent));
  int row = 0;
  for (std::size_t k = 0; k < printed.size(); ++k) {
    // A heading, with the headings and blank lines that follow it, starts a
    // new page unless the first line they head fits below them.
    if (IsHeading(lines[static_cast<qsizetype>(k)]) && row > 0) {
      qsizetype together = 0;
      std::size_t next = k;
      for (; next < printed.size(); ++next) {
        together += printed[next].size();
        const QString& line = lines[static_cast<qsizetype>(next)];
        if (!IsHeading(line) && !IsBlank(line)) break;
      }
      if (together <= kLinesPerPage && row + together > kLinesPerPage) {
        if (!canvas.NewPage()) return false;
        row = 0;
      }
    }
    for (qsizetype piece = 0; piece < printed[k].size(); ++piece) {
      if (row == kLinesPerPage) {
        if (!canvas.NewPage()) return false;
        row = 0;
      }
      canvas.DrawText(piece == 0 ? 0 : indent, kFirstLineTop + kLinePitch * row, printed[k][piece]);
      ++row;
    }
  }
  if (!picture || picture->size.isEmpty()) return true;
  if (!canvas.NewPage()) return false;
  // The page's lines span this height; the picture keeps within it.
  constexpr int tallest = kLinePitch * kLinesPerPage;
  const int width = std::min(room, picture->size.width() * tallest / picture->size.height());
  canvas.DrawPicture(0, kFirstLineTop, width, picture->size, picture->paint);
  return true;
}
