#include "SchemaListing.h"

const std::string& NameOf(const AttributeTable& names, AttributeIndex index) {
  static const std::string kEmpty;
  return index < names.size() ? names[index] : kEmpty;
}

std::vector<std::string> ListAttributeLines(const AttributeTable& names) {
  std::vector<std::string> lines;
  for (const std::string& name : names) {
    if (name.empty()) break;
    lines.push_back(name);
  }
  return lines;
}

std::string ShowAttributeLine(const AttributeTable& names) {
  std::string line;
  for (const std::string& name : names) {
    if (name.empty()) break;
    line += name;
    line += "; ";
  }
  return line;
}

std::string ShowDependency(const Dependency& dependency, const AttributeTable& names) {
  // A bare arrow would look like a line cut short; the explanations write
  // the empty set so as well.
  std::string text = dependency.lhs[0] == NoAttribute ? "{}" : "";
  for (int i = 0; i < MaxAttributes && dependency.lhs[i] != NoAttribute; ++i) {
    if (i > 0) text += " + ";
    text += NameOf(names, dependency.lhs[i]);
  }
  text += " -> ";
  text += NameOf(names, dependency.Rhs());
  return text;
}

std::vector<std::string> ListDependencyLines(const DependencyList& dependencies,
                                             const AttributeTable& names) {
  std::vector<std::string> lines;
  for (const Dependency& d : dependencies)
    lines.push_back(ShowDependency(d, names));
  return lines;
}

std::string ShowKey(const KeyRecord& key, const AttributeTable& names) {
  std::string line;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (!key.member.Has(i)) continue;
    line += names[i];
    line += " ";
  }
  return line;
}

std::vector<std::string> ListKeyLines(const KeyList& keys, const AttributeTable& names) {
  std::vector<std::string> lines;
  for (const KeyRecord& k : keys)
    lines.push_back(ShowKey(k, names));
  return lines;
}

AttributeTable PackedNames(const AttributeTable& names, AttributeSet member) {
  AttributeTable packed;
  std::size_t slot = 0;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (member.Has(i)) packed[slot++] = names[i];
  }
  return packed;
}

std::vector<std::string> AttributeListing(const AttributeTable& names) {
  std::vector<std::string> lines = ListAttributeLines(names);
  lines.emplace_back(AttributeSeparator);
  return lines;
}

std::vector<std::string> DependencyListing(const DependencyList& dependencies,
                                           const AttributeTable& names) {
  std::vector<std::string> lines = ListDependencyLines(dependencies, names);
  lines.emplace_back(DependencySeparator);
  return lines;
}

std::vector<NamedDependency> NameDependencies(const DependencyList& dependencies,
                                              const AttributeTable& names) {
  std::vector<NamedDependency> named;
  for (const Dependency& d : dependencies) {
    NamedDependency& record = named.emplace_back();
    for (int i = 0; i < MaxAttributes && d.lhs[i] != NoAttribute; ++i)
      record.lhs.push_back(NameOf(names, d.lhs[i]));
    record.rhs = NameOf(names, d.Rhs());
  }
  return named;
}

std::vector<std::string> NameSet(AttributeSet set, const AttributeTable& names) {
  std::vector<std::string> members;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (set.Has(i)) members.push_back(names[i]);
  }
  return members;
}
