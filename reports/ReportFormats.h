#pragma once

// A report as its parts, so that the plain text the windows show, Markdown
// and a LaTeX fragment all say the same, each in its own way. Every part
// carries its plain-text lines as the windows show them; the parts that hold
// names carry them apart as well, for the formats that set names, arrows and
// sets themselves.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "SchemaListing.h"

// A set of names; a set that stands for several (a condensed listing) says
// how many.
struct ReportSet {
  std::vector<std::string> names;
  std::uint64_t count = 1;
};

// A row of a table of sets: the attribute and its sets.
struct ReportSetRow {
  std::string name;
  std::vector<ReportSet> sets;
};

struct ReportPart {
  enum class Kind {
    Lines,         // sentences, each line a paragraph
    Title,         // what the whole report is
    Heading,       // what a schema is ("SCHEMA 3:")
    Subheading,    // a section of a schema ("KLICE:")
    Gap,           // blank lines of the plain text
    Rule,          // the rule closing a schema
    Names,         // attribute names
    Dependencies,  // records
    Keys,          // one set a key
    MaxSets,       // per attribute its maximal sets
  };
  Kind kind = Kind::Lines;
  std::vector<std::string> text;
  std::vector<std::string> names;
  std::vector<NamedDependency> dependencies;
  std::vector<ReportSet> sets;
  std::vector<ReportSetRow> rows;
};

using Report = std::vector<ReportPart>;

// A part of sentences or of blank lines, or a heading, as the plain text
// shows it.
ReportPart TextPart(ReportPart::Kind kind, std::vector<std::string> lines);

enum class ReportFormat { Text, Markdown, Latex };

// The names --format takes, in the order of ReportFormat.
QStringList ReportFormatNames();
std::optional<ReportFormat> ReportFormatNamed(const QString& name);

// The lines the windows show and the batch mode prints.
std::vector<std::string> TextLines(const Report& report);
// The whole report in a format, every line ended; the plain text without the
// blanks its lines end in.
QString FormatReport(const Report& report, ReportFormat format);
