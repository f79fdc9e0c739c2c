#include "KeysSession.h"

#include "Keys.h"

void KeysSession::load(const Schema& schema) {
  clear();
  names_ = schema.attributes;
  dependencies_ = schema.dependencies;
  markUpToDate();
}

void KeysSession::clear() {
  if (keyList.empty()) return;
  keyList.clear();
  emit keysChanged();
}

KeysSession::Outcome KeysSession::findFirstKey() {
  if (!keyList.empty()) return Outcome::AlreadyShown;
  std::optional<KeyRecord> first = FindFirstKey(dependencies_, names_);
  if (!first) return Outcome::NoData;
  keyList.push_back(*first);
  emit keysChanged();
  return Outcome::Shown;
}

KeysSession::Outcome KeysSession::findFurtherKeys() {
  if (keyList.empty()) return Outcome::FirstKeyMissing;
  if (keyList.size() > 1) return Outcome::AlreadyShown;
  FindAllKeys(keyList, dependencies_, names_);
  if (keyList.size() < 2) return Outcome::NoFurtherKeys;
  emit keysChanged();
  return Outcome::Shown;
}
