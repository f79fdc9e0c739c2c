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
// acts on them again, and every change of names or dependencies is a step
// that can be undone.
class SchemaDocument final : public QObject {
  Q_OBJECT

 public:
  explicit SchemaDocument(QObject* parent = nullptr);

  const Schema& schema() const { return schema_; }
  const AttributeTable& attributes() const { return schema_.attributes; }
  const DependencyList& dependencies() const { return schema_.dependencies; }
  const KeyList& keys() const { return schema_.keys; }
  const std::string& AttributeName(std::size_t index) const { return schema_.AttributeName(index); }
  // Whether the schema differs from its file: some step was made or undone
  // since it was read or written.
  bool dirty() const { return !undoStack_.isClean(); }
  // The file the schema was last read from or written to; empty for a new
  // schema.
  const QString& currentFileName() const { return fileName_; }
  // What the schema is called in the main window's title: its file's name,
  // or the name of what it was made from when it has no file yet; empty for
  // a new schema.
  const QString& title() const { return title_; }

  // The results of the editors: each is one step that can be undone, and a
  // result equal to the schema makes no step.
  // Installs names; the records keep their attribute numbers.
  void SetAttributes(const AttributeTable& names);
  // Installs names after the attribute editor moved or erased some: every
  // record and key follows its attribute to the new slot.
  void EditAttributes(const AttributeTable& names, const AttributeMap& moved);
  // Installs a new list of dependencies.
  void ReplaceDependencies(DependencyList list);
  // Replaces the whole schema by one that stands in `fileName` (empty for a
  // new schema): nothing unsaved, nothing to undo, keys not yet computed.
  void Load(const AttributeTable& names, DependencyList dependencies, const QString& fileName);
  // Replaces the whole schema by a copy of one that belongs to no file of
  // the user's (a sample, a text): nothing unsaved, but saving asks where.
  void LoadUntitled(const AttributeTable& names, DependencyList dependencies, const QString& title);
  // Empties names, dependencies and keys; the file stays. Can be undone.
  void ClearSchema();
  // Removes one left-hand attribute of the record at `record`; false, and
  // nothing changed, when no record of the list stands there or the
  // attribute is not on its left side. Can be undone.
  bool EraseLhsAttribute(const Dependency* record, AttributeIndex attribute);
  // Removes the record at `record`; false when it is not in the list. Can be
  // undone; the record comes back at its place, at its old address.
  bool EraseDependency(const Dependency* record);

  // The steps that can be undone; opening a schema empties it. A step that
  // replaces the dependencies swaps whole lists, and one that moves
  // attributes renumbers the records in place, so every record keeps its
  // address on either side of a step: the deletions before and after it find
  // their records where they left them, however far the student goes back
  // and forth.
  QUndoStack& undoStack() { return undoStack_; }

  // Keys are computed from the dependencies, so replacing them changes
  // nothing a window was filled from.
  void SetKeys(KeyList keys) { schema_.keys = std::move(keys); }

  // Sets the unsaved mark from a clean state; never clears it. A mark set so,
  // with no step to undo, stays until the schema is written or replaced.
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
  class ReplaceSchemaCommand;
  class EditAttributesCommand;

  void Changed();
  // Makes `edited` the schema as one step called `step`.
  void Install(Schema edited, const QString& step);
  void SetFileName(const QString& fileName);
  void SetTitle(const QString& title);

  Schema schema_;
  QString fileName_;
  QString title_;
  QUndoStack undoStack_;
};
