#include "Exercises.h"

std::vector<AttributeIndex> ShownAttributes(const AttributeTable& names) {
  std::vector<AttributeIndex> shown;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (!names[i].empty()) shown.push_back(i);
  }
  return shown;
}

KeyCandidates DrawKeyCandidates(const KeyList& keys, const std::vector<AttributeIndex>& attributes,
                                const Draw& draw) {
  KeyCandidates result;
  if (keys.empty()) return result;

  const int position = draw(KeyCandidateCount);
  result.correctFlags[position] = 1;
  const int keyNumber = draw(static_cast<int>(keys.size()));

  const int attributeCount = static_cast<int>(attributes.size());
  for (int c = 0; c < KeyCandidateCount; ++c) {
    if (c == position) {
      result.candidates[c] = keys[keyNumber].member;
      continue;
    }
    AttributeSet candidate;
    for (AttributeIndex a : attributes) {
      if (draw(2) == 1) candidate.Add(a);
    }
    if (candidate.Empty() && attributeCount > 0) candidate.Add(attributes[draw(attributeCount)]);
    result.candidates[c] = candidate;
    for (const KeyRecord& key : keys) {
      if (key.member == candidate) result.correctFlags[c] = 1;
    }
  }
  return result;
}
