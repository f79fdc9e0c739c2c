#pragma once

#include "Schema.h"
#include "SchemaDocument.h"

// Where the windows find the live schema: they read and change it through
// its document.
class SchemaHost {
 public:
  virtual ~SchemaHost() = default;
  virtual SchemaDocument& Document() = 0;
  const Schema& LiveSchema() { return Document().schema(); }
};
