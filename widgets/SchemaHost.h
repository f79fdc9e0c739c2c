#pragma once

#include <string>
#include <vector>

#include "Schema.h"
#include "SchemaDocument.h"

// What the tool windows may do with the main window: read and change the live
// schema through its document and append to its two logs.
class SchemaHost {
 public:
  virtual ~SchemaHost() = default;
  virtual SchemaDocument& Document() = 0;
  const Schema& LiveSchema() { return Document().schema(); }
  virtual void AppendAttributeLog(const std::vector<std::string>& lines) = 0;
  virtual void AppendDependencyLog(const std::vector<std::string>& lines) = 0;
};
