#pragma once

#include <string>
#include <vector>

#include "Schema.h"

// What the tool windows may do with the main window: read and change the live
// schema and append to its two logs.
class SchemaHost {
 public:
  virtual ~SchemaHost() = default;
  virtual Schema& LiveSchema() = 0;
  virtual void AppendAttributeLog(const std::vector<std::string>& lines) = 0;
  virtual void AppendDependencyLog(const std::vector<std::string>& lines) = 0;
};
