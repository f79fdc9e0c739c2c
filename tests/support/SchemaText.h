#pragma once

// Writes test schemas compactly: attributes are the letters A, B, C, ... with
// index letter - 'A', and "AB->C; C->A" is the list A + B -> C, C -> A.

#include <string>
#include <vector>

#include "Schema.h"
#include "SubSchema.h"

// Number of non-empty names before the first empty slot.
inline int CountNames(const AttributeTable& names) {
  int n = 0;
  while (n < MaxAttributes && !names[n].empty())
    ++n;
  return n;
}

inline AttributeTable Names(const std::string& letters) {
  AttributeTable names;
  for (std::size_t i = 0; i < letters.size(); ++i)
    names[i] = std::string(1, letters[i]);
  return names;
}

inline DependencyList Deps(const std::string& text) {
  DependencyList list;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find(';', pos);
    if (end == std::string::npos) end = text.size();
    const std::string item = text.substr(pos, end - pos);
    const std::size_t arrow = item.find("->");
    pos = end + 1;
    if (arrow == std::string::npos) continue;
    std::vector<AttributeIndex> lhs;
    for (std::size_t i = 0; i < arrow; ++i) {
      if (item[i] >= 'A' && item[i] <= 'T')
        lhs.push_back(static_cast<AttributeIndex>(item[i] - 'A'));
    }
    for (std::size_t i = arrow + 2; i < item.size(); ++i) {
      if (item[i] >= 'A' && item[i] <= 'T') {
        list.push_back(NewDependency(lhs, static_cast<AttributeIndex>(item[i] - 'A')));
      }
    }
  }
  return list;
}

inline AttributeSet Set(const std::string& letters) {
  AttributeSet s;
  for (char c : letters)
    s.Add(static_cast<AttributeIndex>(c - 'A'));
  return s;
}

inline std::string Letters(AttributeSet s) {
  std::string out;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (s.Has(i)) out += static_cast<char>('A' + i);
  }
  return out;
}

inline std::vector<std::string> KeyLetters(const KeyList& keys) {
  std::vector<std::string> out;
  for (const KeyRecord& k : keys)
    out.push_back(Letters(k.member));
  return out;
}

// The list as text again, in order: "AB->C; C->A".
inline std::string DepsText(const DependencyList& list) {
  std::string out;
  for (const Dependency& d : list) {
    if (!out.empty()) out += "; ";
    for (int i = 0; i < MaxAttributes && d.lhs[i] != NoAttribute; ++i) {
      out += static_cast<char>('A' + d.lhs[i]);
    }
    out += "->";
    out += static_cast<char>('A' + d.Rhs());
  }
  return out;
}

// A schema's label written as the windows show it: "5", "Schema 1+6",
// "Schema 4: 1+3".
inline std::string LabelText(const NumberLabel& label) {
  std::string number = label.number ? std::to_string(*label.number) : "";
  if (label.joined.empty()) return number;
  std::string joined;
  for (const NumberLabel& part : label.joined)
    joined += (joined.empty() ? "" : "+") + LabelText(part);
  return "Schema " + (label.number ? number + ": " : "") + joined;
}
