#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <cstdint>

#include "Renumbering.h"
#include "Schema.h"

// The live schema: names, dependencies, keys, the file it belongs to and
// whether it holds unsaved changes. Every change goes through here, so that a
// window holding record addresses or attribute numbers hears of it before it
// acts on them again.
class SchemaDocument final : public QObject {
  Q_OBJECT

 public:
  explicit SchemaDocument(QObject* parent = nullptr);

  const Schema& schema() const { return schema_; }
  const AttributeTable& attributes() const { return schema_.attributes; }
  const DependencyList& dependencies() const { return schema_.dependencies; }
  const KeyList& keys() const { return schema_.keys; }
  const std::string& AttributeName(std::size_t index) const { return schema_.AttributeName(index); }
  bool dirty() const { return dirty_; }
  // The file the schema was last read from or written to; empty for a new
  // schema.
  const QString& currentFileName() const { return fileName_; }
  // What the schema is called in the main window's title: its file's name,
  // or the name of what it was made from when it has no file yet; empty for
  // a new schema.
  const QString& title() const { return title_; }

  // Installs names without moving any record.
  void SetAttributes(const AttributeTable& names);
  // Installs names after the attribute editor moved or erased some: every
  // record and key follows its attribute to the new slot.
  void EditAttributes(const AttributeTable& names, const AttributeMap& moved);
  void ReplaceDependencies(DependencyList list);
  // Replaces the whole schema by one that stands in `fileName` (empty for a
  // new schema): nothing unsaved, keys not yet computed.
  void Load(const AttributeTable& names, DependencyList dependencies, const QString& fileName);
  // Replaces the whole schema by a copy of one that belongs to no file of
  // the user's (a sample, a text): nothing unsaved, but saving asks where.
  void LoadUntitled(const AttributeTable& names, DependencyList dependencies, const QString& title);
  // Empties names, dependencies and keys; the file and the unsaved mark stay.
  void ClearSchema();
  // Removes one left-hand attribute of the record at `record`; false, and
  // nothing changed, when no record of the list stands there or the
  // attribute is not on its left side. Can be undone.
  bool EraseLhsAttribute(const Dependency* record, AttributeIndex attribute);
  // Removes the record at `record`; false when it is not in the list. Can be
  // undone; the record comes back at its place, at its old address.
  bool EraseDependency(const Dependency* record);

  // The deletions that can be undone. Every other change of names or
  // dependencies empties it, since its steps name records and attribute
  // numbers that such a change may move.
  QUndoStack& undoStack() { return undoStack_; }

  // Keys are computed from the dependencies, so replacing them changes
  // nothing a window was filled from.
  void SetKeys(KeyList keys) { schema_.keys = std::move(keys); }

  // Sets the unsaved mark from a clear state; never clears it.
  void MarkDirty(bool modified);
  // The schema now stands in full in `fileName`.
  void MarkSaved(const QString& fileName);

 signals:
  // Names or dependencies changed: whatever a window filled from the schema
  // before may now point at the wrong records or attributes.
  void changed();
  void dirtyChanged(bool dirty);
  void fileNameChanged(const QString& fileName);
  void titleChanged(const QString& title);

 private:
  class EraseLhsAttributeCommand;
  class EraseDependencyCommand;

  void Changed();
  // A change that cannot be undone.
  void Replaced();
  // A step of the undo stack, done or undone: the schema differs from the
  // file now.
  void Edited();
  void SetDirty(bool dirty);
  void SetFileName(const QString& fileName);
  void SetTitle(const QString& title);

  Schema schema_;
  bool dirty_ = false;
  QString fileName_;
  QString title_;
  QUndoStack undoStack_;
};
