#pragma once

// The schema reports of the decomposition and synthesis windows, which the
// batch mode prints too: the model's report blocks as the lines the print
// window shows, every fixed phrase translated.

#include <QString>
#include <string>
#include <vector>

#include "Decomposition.h"
#include "ReportFormats.h"
#include "SubSchema.h"
#include "Synthesis.h"

// What a schema's label reads: "3", "Schema 3+5", "Schema 5: 1+3".
QString NumberLabelText(const NumberLabel& label);

Report SchemaReport(const std::vector<SchemaReportBlock>& blocks, ReportScope scope);

// The present schemas, and every schema made after a line that says where
// it came from.
Report ResultSchemasReport(const DecompositionState& state);
Report DecompositionCourseReport(const DecompositionState& state);
Report SynthesisResultReport(const SynthesisState& state);
Report SynthesisCourseReport(const SynthesisState& state);
