// The printed pages of a report, drawn on a canvas that records every call
// and measures every character alike.

#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>

#include "PrintedOperations.h"
#include "ReportPages.h"
#include "ScriptedPlatform.h"

namespace {

QStringList Numbered(int count) {
  QStringList lines;
  for (int i = 0; i < count; ++i)
    lines << QStringLiteral("line %1").arg(i);
  return lines;
}

// Paints the lines as a print job does, on a page of the given width.
std::vector<PrintOperation> Painted(const QStringList& lines, int pageWidth = 1240) {
  ScriptedPlatform platform;
  platform.printPageWidth = pageWidth;
  std::unique_ptr<PrinterCanvas> canvas = platform.BeginJob();
  EXPECT_TRUE(PaintReportPages(*canvas, lines));
  canvas->End();
  return platform.printed;
}

TEST(ReportPages, TheTitleThenFortySevenLinesAPage) {
  for (int count : {0, 1, 47, 48, 95}) {
    SCOPED_TRACE(count);
    QStringList expected{"font 20 bold", "text 0,50 Schemario", "font 12"};
    for (int i = 0; i < count; ++i) {
      const int row = i % 47;
      expected << QStringLiteral("text 0,%1 line %2").arg(110 + 30 * row).arg(i);
      if (row == 46 && i + 1 < count) expected << QStringLiteral("page");
    }
    expected << QStringLiteral("end");
    EXPECT_EQ(Operations(Painted(Numbered(count))), expected);
  }
}

// A line of long names wider than the page goes on over indented lines,
// broken between names, and the pieces count towards the page's lines.
TEST(ReportPages, ALineWiderThanThePageGoesOnOverIndentedLines) {
  QStringList lines = Numbered(46);
  QString wide;
  for (int i = 0; i < 20; ++i)
    wide += QStringLiteral("Zakaznik_jmen%1 ").arg(i, 2, 10, QLatin1Char('0'));
  lines << wide;
  const std::vector<PrintOperation> printed = Painted(lines);

  const int pageWidth = 1240;
  QString joined;
  int row = 46;
  bool paged = false;
  for (std::size_t k = 3 + 46; k < printed.size(); ++k) {
    const PrintOperation& op = printed[k];
    if (op.kind == PrintOperation::NewPage) {
      EXPECT_EQ(row, 47);
      paged = true;
      row = 0;
      continue;
    }
    if (op.kind != PrintOperation::Text) continue;
    const bool continued = !joined.isEmpty();
    EXPECT_EQ(op.x, continued ? 40 : 0);
    EXPECT_EQ(op.y, 110 + 30 * row);
    EXPECT_LE(op.text.trimmed().size() * ScriptedPlatform::PrintedCharacterWidth,
              pageWidth - (continued ? 40 : 0));
    EXPECT_TRUE(joined.isEmpty() || joined.endsWith(QLatin1Char(' ')));
    joined += op.text;
    ++row;
  }
  EXPECT_TRUE(paged);
  EXPECT_EQ(joined, wide);
}

// A schema's headings go over to the next page together with the first
// line they head, rather than stand alone at the bottom of a page.
TEST(ReportPages, AHeadingStaysWithItsFirstLine) {
  const QStringList block{"SCHEMA 1:", " ", "ATRIBUTY:", " ", "A ;B ;"};
  for (const int before : {40, 42, 43}) {
    SCOPED_TRACE(before);
    const std::vector<PrintOperation> printed = Painted(Numbered(before) + block);
    const auto page = std::find_if(printed.begin(), printed.end(), [](const PrintOperation& op) {
      return op.kind == PrintOperation::NewPage;
    });
    // 42 lines leave the five of the block room; 43 do not.
    if (before < 43) {
      EXPECT_EQ(page, printed.end());
      continue;
    }
    ASSERT_NE(page, printed.end());
    EXPECT_EQ((page + 1)->text, QStringLiteral("SCHEMA 1:"));
    EXPECT_EQ((page + 1)->y, 110);
  }
}

}  // namespace
