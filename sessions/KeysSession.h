#pragma once

#include "Schema.h"
#include "ToolSession.h"

// The candidate keys of a copy of the schema, found in two steps: the first
// key by attribute elimination, then the further keys by Lucchesi-Osborn,
// which start from it.
class KeysSession final : public ToolSession {
  Q_OBJECT

 public:
  // How a step ended.
  enum class Outcome {
    Shown,
    AlreadyShown,
    // The schema has no attributes.
    NoData,
    // The further keys are found from the first one.
    FirstKeyMissing,
    NoFurtherKeys,
  };
  Q_ENUM(Outcome)

  using ToolSession::ToolSession;

  // Copies the schema; no key is found yet.
  void load(const Schema& schema);
  // Forgets the keys found; the copy stays.
  void clear();

  Outcome findFirstKey();
  Outcome findFurtherKeys();

  const AttributeTable& names() const { return names_; }
  // The keys found so far: none, the first, or the first and the further
  // ones in the order found.
  const KeyList& keys() const { return keyList; }

 signals:
  void keysChanged();

 private:
  AttributeTable names_;
  DependencyList dependencies_;
  KeyList keyList;
};
