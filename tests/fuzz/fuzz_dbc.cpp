// Feeds arbitrary bytes to the schema file reader. Whatever it accepts must
// survive writing and reading again unchanged; whatever it refuses, it must
// point at a byte of the file or just past its end.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "DbcFormat.h"

namespace {

bool SameDependencies(const DependencyList& a, const DependencyList& b) {
  if (a.size() != b.size()) return false;
  auto it = b.begin();
  for (const Dependency& d : a) {
    if (d.lhs != it->lhs || d.Rhs() != it->Rhs()) return false;
    ++it;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const DbcReadResult read = ReadSchemaBytes(bytes);
  if (const auto* refusal = std::get_if<DbcRefusal>(&read)) {
    if (refusal->offset > size) std::abort();
    return 0;
  }
  const auto* first = std::get_if<DbcContents>(&read);
  const DbcReadResult again = ReadSchemaBytes(WriteSchemaBytes(first->names, first->dependencies));
  const auto* second = std::get_if<DbcContents>(&again);
  if (second == nullptr || second->names != first->names ||
      !SameDependencies(first->dependencies, second->dependencies)) {
    std::abort();
  }
  return 0;
}
