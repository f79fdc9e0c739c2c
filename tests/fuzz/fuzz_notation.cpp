// Feeds arbitrary bytes to the schema text reader. A refusal must point at a
// line of the text and a column within it; whatever the reader accepts the
// writer must write, reading that must give the same schema, and the text
// written must be its own normal form.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "SchemaNotation.h"

namespace {

bool SameSchema(const NotationSchema& a, const NotationSchema& b) {
  if (a.names != b.names || a.title != b.title) return false;
  if (a.dependencies.size() != b.dependencies.size()) return false;
  auto it = b.dependencies.begin();
  for (const Dependency& d : a.dependencies) {
    if (d.lhs != it->lhs || d.Rhs() != it->Rhs()) return false;
    ++it;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const NotationReadResult read = ReadNotation(text);
  if (const auto* refusal = std::get_if<NotationRefusal>(&read)) {
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (refusal->line < 1 || refusal->line > lines || refusal->column < 1 ||
        refusal->column > size + 1) {
      std::abort();
    }
    return 0;
  }
  const auto& first = std::get<NotationSchema>(read);
  const NotationWriteResult written = WriteNotation(first.names, first.dependencies, first.title);
  const auto* normal = std::get_if<std::string>(&written);
  if (normal == nullptr) std::abort();
  const NotationReadResult again = ReadNotation(*normal);
  const auto* second = std::get_if<NotationSchema>(&again);
  if (second == nullptr || !SameSchema(first, *second)) std::abort();
  const auto renormal = NormaliseNotation(*normal);
  const auto* fixed = std::get_if<std::string>(&renormal);
  if (fixed == nullptr || *fixed != *normal) std::abort();
  return 0;
}
