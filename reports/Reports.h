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
#include "ReportFormats.h"
#include "Schema.h"
#include "Synthesis.h"

// The reports the batch mode prints, each the text a window builds for the
// same schema.
// The synthesis report gives the schemas the synthesis results in; its
// course gives every step, the replaced schemas among them.
enum class ReportKind { Listing, Keys, Cover, MaxSets, Synthesis, SynthesisCourse };

// The names the command line takes, in the order of ReportKind.
QStringList ReportKindNames();
std::optional<ReportKind> ReportKindNamed(const QString& name);

// Where a step of the synthesis would show a message box, the batch mode
// writes the message to `notes`.
Report BuildReport(ReportKind kind, const Schema& schema, QStringList& notes);

// A report line as a file for others to read holds it: without the blanks
// the display notation leaves at its end.
QString WithoutTrailingBlanks(const std::string& line);

// What every message of the program on the standard error begins with.
QString ProgramPrefix();

// Reads each schema file in turn and writes its report to `out` in the
// format, under a
// heading naming the file when there are several. Returns the exit status:
// 0; 2 when a file was not read (its reason goes to `err` and the others are
// still reported); 1 when `out` could not be written, which is checked once
// everything is written, so that a full disk never passes for a report.
int RunReport(ReportKind kind, ReportFormat format, const QStringList& paths, QTextStream& out,
              QTextStream& err);

// Derives the dependency written as "X -> Y" (the names of the schema file's
// attributes, as in the schema text) and writes the derivation, or why it
// does not follow; the exit status as RunReport's.
int RunDerivation(const QString& path, const QString& dependency, QTextStream& out,
                  QTextStream& err);

// Writes the schema of one file to another, a schema file (.dbc) or a schema
// text (.txt, .fd) as the target's suffix says; the exit status: 0, 2 when the
// source is refused or the target cannot hold the schema, 1 when the target
// cannot be written (a file already there stays as it was).
int RunConversion(const QString& from, const QString& to, QTextStream& err);

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

// A key line of the model's notation as the windows and reports show it: the
// empty key, which a schema whose attributes are all constant has, in words
// rather than as a blank line.
QString KeyLineText(const std::string& line);
// The lines of a key list so, one a key.
QStringList KeyLineTexts(const KeyList& keys, const AttributeTable& names);

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
