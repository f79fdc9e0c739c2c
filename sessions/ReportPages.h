#pragma once

#include <QString>
#include <QStringList>

#include "Platform.h"

// The heading a report is printed and exported under.
QString ReportTitle();

// Draws the pages of a report across the page's printable width: the title
// once at the top of the first page, then 47 lines a page at a fixed pitch.
// A line wider than the page goes on over further, indented lines, broken
// between words where it can be, so that no name is lost at the paper's
// edge. A heading (a line ending in a colon) is never the last on its page:
// it goes over to the next with the first line it heads. False when a new
// page could not be started.
bool PaintReportPages(PrinterCanvas& canvas, const QStringList& lines);
