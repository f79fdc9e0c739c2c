#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "MaxSets.h"
#include "Schema.h"
#include "Synthesis.h"

// The reports the batch mode prints, each the text a window builds for the
// same schema.
enum class ReportKind { Listing, Keys, Cover, MaxSets, Synthesis };

// The names the command line takes, in the order of ReportKind.
QStringList ReportKindNames();
std::optional<ReportKind> ReportKindNamed(const QString& name);

// Where a step of the synthesis would show a message box, the batch mode
// writes the message to `notes`.
std::vector<std::string> BuildReport(ReportKind kind, const Schema& schema, QStringList& notes);

// Reads the schema file at `path` and writes the report to `out`. Returns the
// exit status: 0, or 2 with the reason on `err` for a file that was not read.
int RunReport(ReportKind kind, const QString& path, QTextStream& out, QTextStream& err);

// What a listing of no set at all shows in place of its braces, which would
// read as the one empty set.
QString NoSetText();

// The listing of the MAX family: per attribute a heading, its sets (or the
// words for none) and an empty line.
std::vector<std::string> MaxFamilyLines(const MaxSetFamily& maxSets, const AttributeTable& names,
                                        int n);

// The notes under a listing of the maximal sets that shows fewer sets than
// the family stands for.
QString MaxFamilyCondensedNote(std::uint64_t sets);

// What the prime-attribute and BCNF tests tell the student, each verdict a
// whole sentence so that a translation can reorder it.
QString PrimeVerdictText(const QString& name, bool prime);
QString BcnfVerdictText(bool bcnf);
QString LhsFamilyCondensedNote(std::uint64_t sets);

// What the synthesis window tells the student when a step ends other than
// Proceed or Done, and the text of its question; the batch mode writes the
// same as notes.
QString SynthesisOutcomeText(SynthesisOutcome outcome);
QString SynthesisQuestionText(SynthesisQuestion question);
