#pragma once

// Tasks and solutions of the test module's exercises that go beyond one call
// of a core routine.

#include <array>
#include <functional>
#include <vector>

#include "Schema.h"

// The attributes the exercises offer, in slot order: the indexes of the
// non-empty names. The k-th choice control of an exercise column stands for
// the k-th of them, so a gap in the table never shifts a name onto the wrong
// attribute.
std::vector<AttributeIndex> ShownAttributes(const AttributeTable& names);

inline constexpr int KeyCandidateCount = 3;
inline constexpr int KeyCandidateRedraws = 64;

// The three candidates of the keys exercise and which of them are keys.
struct KeyCandidates {
  std::array<AttributeSet, KeyCandidateCount> candidates{};
  std::array<bool, KeyCandidateCount> isKey{};
};

// A number in 0 .. range - 1 (0 when range is below 1).
using Draw = std::function<int(int range)>;

// Draws the candidates from `keys` (all keys of the schema, at least one) over
// the offered `attributes`, in this order: the position of the real key
// (draw(3)), the key shown there (draw(keyCount)), then for each other
// position in ascending order one draw(2) per offered attribute and, when all
// of them gave 0, one draw(attributeCount) naming the attribute forced in.
// A random candidate counts as correct when it equals some key exactly.
// A random candidate equal to one drawn or shown before it is drawn again the
// same way, so that the three differ wherever the offered attributes allow
// three different sets (two attributes or more); after KeyCandidateRedraws
// draws in vain, the first free set in counting order over the offered
// attributes is taken, so that the drawing ends whatever the draws give.
KeyCandidates DrawKeyCandidates(const KeyList& keys, const std::vector<AttributeIndex>& attributes,
                                const Draw& draw);
