#pragma once

#include <QString>
#include <QTextStream>

#include "Generator.h"
#include "Language.h"

// What a teacher asks for: how many assignments, what each is like, and the
// folder they go to.
struct AssignmentsRequest {
  int count = 1;
  GeneratorRequest schema;
  QString folder;
};

// The language of generated names that goes with the language of the texts.
NameLanguage NameLanguageOf(Language language);

// Why the generator gave no schema, in words naming the number that would do.
QString GeneratorFailureText(const GeneratorFailure& failure);

// Writes `count` assignments no two of which differ only by the names of
// their attributes: each as a schema file, as a schema text and with an
// answer key (keys, minimal cover, synthesis) in the folder, which is made
// when missing. The names come from the request's theme in `language`. The
// files written are listed on `out`. Exit status: 0; 2 when the request
// cannot be met (as many distinct assignments as could be found are
// written); 1 when a file cannot be written.
int RunAssignments(const AssignmentsRequest& request, Language language, QTextStream& out,
                   QTextStream& err);
