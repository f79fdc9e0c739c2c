#include "SchemaDocument.h"

#include <QFileInfo>
#include <QUndoCommand>

#include "RedundancyEdits.h"

class SchemaDocument::EraseLhsAttributeCommand final : public QUndoCommand {
 public:
  EraseLhsAttributeCommand(SchemaDocument& document, Dependency& record, AttributeIndex attribute)
      : QUndoCommand(SchemaDocument::tr("smazani atributu")),
        document_(document),
        record_(record),
        attribute_(attribute) {}

  void redo() override {
    position_ = ::EraseLhsAttribute(record_, attribute_);
    document_.Edited();
  }
  void undo() override {
    InsertLhsAttribute(record_, position_, attribute_);
    document_.Edited();
  }

 private:
  SchemaDocument& document_;
  Dependency& record_;
  AttributeIndex attribute_;
  int position_ = -1;
};

class SchemaDocument::EraseDependencyCommand final : public QUndoCommand {
 public:
  EraseDependencyCommand(SchemaDocument& document, DependencyList::iterator record)
      : QUndoCommand(SchemaDocument::tr("smazani zavislosti")),
        document_(document),
        record_(record),
        next_(std::next(record)) {}

  // The record moves between the list and this command without being
  // copied, so rows that point at it stay right after an undo.
  void redo() override {
    removed_.splice(removed_.end(), document_.schema_.dependencies, record_);
    document_.Edited();
  }
  void undo() override {
    document_.schema_.dependencies.splice(next_, removed_, record_);
    document_.Edited();
  }

 private:
  SchemaDocument& document_;
  DependencyList::iterator record_;
  DependencyList::iterator next_;
  DependencyList removed_;
};

SchemaDocument::SchemaDocument(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("SchemaDocument"));
}

void SchemaDocument::Changed() {
  emit changed();
}

void SchemaDocument::Replaced() {
  undoStack_.clear();
  Changed();
}

void SchemaDocument::Edited() {
  SetDirty(true);
  Changed();
}

void SchemaDocument::SetDirty(bool dirty) {
  if (dirty_ == dirty) return;
  dirty_ = dirty;
  emit dirtyChanged(dirty_);
}

void SchemaDocument::SetFileName(const QString& fileName) {
  SetTitle(QFileInfo(fileName).fileName());
  if (fileName_ == fileName) return;
  fileName_ = fileName;
  emit fileNameChanged(fileName_);
}

void SchemaDocument::SetTitle(const QString& title) {
  if (title_ == title) return;
  title_ = title;
  emit titleChanged(title_);
}

void SchemaDocument::SetAttributes(const AttributeTable& names) {
  // Renaming moves no record or number: the deletions can still be undone.
  schema_.SetAttributes(names);
  Changed();
}

void SchemaDocument::EditAttributes(const AttributeTable& names, const AttributeMap& moved) {
  schema_.SetAttributes(names);
  RenumberDependencies(schema_.dependencies, moved);
  RenumberKeys(schema_.keys, moved);
  Replaced();
}

void SchemaDocument::ReplaceDependencies(DependencyList list) {
  schema_.ReplaceDependencies(std::move(list));
  Replaced();
}

void SchemaDocument::Load(const AttributeTable& names, DependencyList dependencies,
                          const QString& fileName) {
  schema_.ClearSchema();
  schema_.SetAttributes(names);
  schema_.ReplaceDependencies(std::move(dependencies));
  SetDirty(false);
  SetFileName(fileName);
  Replaced();
}

void SchemaDocument::LoadUntitled(const AttributeTable& names, DependencyList dependencies,
                                  const QString& title) {
  Load(names, std::move(dependencies), QString());
  SetTitle(title);
}

void SchemaDocument::ClearSchema() {
  schema_.ClearSchema();
  Replaced();
}

bool SchemaDocument::EraseLhsAttribute(const Dependency* record, AttributeIndex attribute) {
  const auto it = FindRecord(schema_.dependencies, record);
  if (it == schema_.dependencies.end()) return false;
  if (!it->LhsHas(attribute)) return false;
  undoStack_.push(new EraseLhsAttributeCommand(*this, *it, attribute));
  return true;
}

bool SchemaDocument::EraseDependency(const Dependency* record) {
  const auto it = FindRecord(schema_.dependencies, record);
  if (it == schema_.dependencies.end()) return false;
  undoStack_.push(new EraseDependencyCommand(*this, it));
  return true;
}

void SchemaDocument::MarkDirty(bool modified) {
  if (modified) SetDirty(true);
}

void SchemaDocument::MarkSaved(const QString& fileName) {
  SetFileName(fileName);
  SetDirty(false);
}
