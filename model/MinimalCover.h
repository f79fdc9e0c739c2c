#pragma once

// What the synthesis starts from: a minimal cover of the schema's
// dependencies and a copy of its keys.

#include "Schema.h"

struct SynthesisInput {
  DependencyList cover;
  KeyList keys;
};

// Copies keep the first record and reverse the rest, the order in which the
// synthesis lists its schemas; the copied dependencies are then reduced to a
// minimal cover. `keys` are the keys of the schema as last computed.
SynthesisInput PrepareSynthesisInput(const DependencyList& dependencies, const KeyList& keys);
