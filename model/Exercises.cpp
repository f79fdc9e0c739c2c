#include "Exercises.h"

#include <algorithm>

std::vector<AttributeIndex> ShownAttributes(const AttributeTable& names) {
  std::vector<AttributeIndex> shown;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (!names[i].empty()) shown.push_back(i);
  }
  return shown;
}

namespace {

AttributeSet DrawCandidate(const std::vector<AttributeIndex>& attributes, const Draw& draw) {
  AttributeSet candidate;
  for (AttributeIndex a : attributes) {
    if (draw(2) == 1) candidate.Add(a);
  }
  if (candidate.Empty() && !attributes.empty()) {
    candidate.Add(attributes[draw(static_cast<int>(attributes.size()))]);
  }
  return candidate;
}

// The non-empty sets over the offered attributes in counting order: bit k of
// the count stands for the k-th offered attribute.
AttributeSet CountedSet(const std::vector<AttributeIndex>& attributes, std::uint32_t count) {
  AttributeSet set;
  for (std::size_t k = 0; k < attributes.size(); ++k) {
    if (((count >> k) & 1u) != 0) set.Add(attributes[k]);
  }
  return set;
}

}  // namespace

KeyCandidates DrawKeyCandidates(const KeyList& keys, const std::vector<AttributeIndex>& attributes,
                                const Draw& draw) {
  KeyCandidates result;
  if (keys.empty()) return result;

  const int position = draw(KeyCandidateCount);
  result.isKey[position] = true;
  const int keyNumber = draw(static_cast<int>(keys.size()));
  result.candidates[position] = keys[keyNumber].member;

  // One attribute gives a single non-empty set; two give three.
  const bool canDiffer = attributes.size() >= 2;
  std::vector<AttributeSet> shown{result.candidates[position]};
  const auto isShown = [&shown](AttributeSet s) {
    return std::find(shown.begin(), shown.end(), s) != shown.end();
  };
  for (int c = 0; c < KeyCandidateCount; ++c) {
    if (c == position) continue;
    AttributeSet candidate = DrawCandidate(attributes, draw);
    for (int redraw = 1; canDiffer && isShown(candidate) && redraw < KeyCandidateRedraws;
         ++redraw) {
      candidate = DrawCandidate(attributes, draw);
    }
    for (std::uint32_t count = 1; canDiffer && isShown(candidate); ++count)
      candidate = CountedSet(attributes, count);
    shown.push_back(candidate);
    result.candidates[c] = candidate;
    for (const KeyRecord& key : keys) {
      if (key.member == candidate) result.isKey[c] = true;
    }
  }
  return result;
}
