#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "Platform.h"

// The heading a report is printed and exported under.
QString ReportTitle();

// A picture that goes with a report, such as the diagram of its schema:
// its size in its own units, and how it is drawn at the painter's origin.
struct ReportPicture {
  QSize size;
  std::function<void(QPainter&)> paint;
};

// Draws the pages of a report across the page's printable width: the title
// once at the top of the first page, then 47 lines a page at a fixed pitch.
// A line wider than the page goes on over further, indented lines, broken
// between words where it can be, so that no name is lost at the paper's
// edge. A heading (a line ending in a colon) is never the last on its page:
// it goes over to the next with the first line it heads. A picture follows
// on a page of its own, as wide as the lines may be, or narrower where it
// would be taller than the page. False when a new page could not be started.
bool PaintReportPages(PrinterCanvas& canvas, const QStringList& lines,
                      const std::optional<ReportPicture>& picture = std::nullopt);
