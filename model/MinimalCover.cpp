#include "MinimalCover.h"

#include "Synthesis.h"

SynthesisInput PrepareSynthesisInput(const DependencyList& dependencies, const KeyList& keys) {
  SynthesisInput input{CopyInsertingBehindHead(dependencies), CopyInsertingBehindHead(keys)};
  ReduceToMinimalCover(input.cover);
  return input;
}
