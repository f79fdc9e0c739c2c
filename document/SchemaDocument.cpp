#include "SchemaDocument.h"

#include "RedundancyEdits.h"

SchemaDocument::SchemaDocument(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("SchemaDocument"));
}

void SchemaDocument::Changed() {
  ++revision_;
  emit changed();
}

void SchemaDocument::SetDirty(bool dirty) {
  if (dirty_ == dirty) return;
  dirty_ = dirty;
  emit dirtyChanged(dirty_);
}

void SchemaDocument::SetFileName(const QString& fileName) {
  if (fileName_ == fileName) return;
  fileName_ = fileName;
  emit fileNameChanged(fileName_);
}

void SchemaDocument::SetAttributes(const AttributeTable& names) {
  schema_.SetAttributes(names);
  Changed();
}

void SchemaDocument::EditAttributes(const AttributeTable& names, const AttributeMap& moved) {
  schema_.SetAttributes(names);
  RenumberDependencies(schema_.dependencies, moved);
  RenumberKeys(schema_.keys, moved);
  Changed();
}

void SchemaDocument::ReplaceDependencies(DependencyList list) {
  schema_.ReplaceDependencies(std::move(list));
  Changed();
}

void SchemaDocument::Load(const AttributeTable& names, DependencyList dependencies,
                          const QString& fileName) {
  schema_.ClearSchema();
  schema_.SetAttributes(names);
  schema_.ReplaceDependencies(std::move(dependencies));
  SetDirty(false);
  SetFileName(fileName);
  Changed();
}

void SchemaDocument::ClearSchema() {
  schema_.ClearSchema();
  Changed();
}

bool SchemaDocument::EraseLhsAttribute(const Dependency* record, AttributeIndex attribute) {
  const auto it = FindRecord(schema_.dependencies, record);
  if (it == schema_.dependencies.end() || !::EraseLhsAttribute(*it, attribute)) return false;
  Changed();
  return true;
}

bool SchemaDocument::EraseDependency(const Dependency* record) {
  const auto it = FindRecord(schema_.dependencies, record);
  if (it == schema_.dependencies.end()) return false;
  schema_.dependencies.erase(it);
  Changed();
  return true;
}

void SchemaDocument::MarkDirty(bool modified) {
  if (modified) SetDirty(true);
}

void SchemaDocument::MarkSaved(const QString& fileName) {
  SetFileName(fileName);
  SetDirty(false);
}
