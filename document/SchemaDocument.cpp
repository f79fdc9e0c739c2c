#include "SchemaDocument.h"

#include <QFileInfo>
#include <QUndoCommand>
#include <algorithm>
#include <utility>

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
    document_.Changed();
  }
  void undo() override {
    InsertLhsAttribute(record_, position_, attribute_);
    document_.Changed();
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
        next_(std::next(record)),
        last_(next_ == document.schema_.dependencies.end()) {}

  // The record moves between the list and this command without being
  // copied, so rows that point at it stay right after an undo.
  void redo() override {
    removed_.splice(removed_.end(), document_.schema_.dependencies, record_);
    document_.Changed();
  }
  void undo() override {
    // The end of a list is no record: it does not follow the records when
    // a replacement swaps the list away and back.
    DependencyList& list = document_.schema_.dependencies;
    list.splice(last_ ? list.end() : next_, removed_, record_);
    document_.Changed();
  }

 private:
  SchemaDocument& document_;
  DependencyList::iterator record_;
  DependencyList::iterator next_;
  bool last_;
  DependencyList removed_;
};

// Holds the other side of a replacement: the schema before it while it is
// done, the schema after it while it is undone.
class SchemaDocument::ReplaceSchemaCommand final : public QUndoCommand {
 public:
  ReplaceSchemaCommand(SchemaDocument& document, Schema other, const QString& text)
      : QUndoCommand(text), document_(document), other_(std::move(other)) {}

  void redo() override { Swap(); }
  void undo() override { Swap(); }

 private:
  // Swapping lists moves no record, unlike copying them.
  void Swap() {
    Schema& live = document_.schema_;
    std::swap(live.attributes, other_.attributes);
    live.dependencies.swap(other_.dependencies);
    live.keys.swap(other_.keys);
    document_.Changed();
  }

  SchemaDocument& document_;
  Schema other_;
};

// Installs names, and moves the records' attribute numbers in place, so
// that every record stays where it is through the step and back.
class SchemaDocument::EditAttributesCommand final : public QUndoCommand {
 public:
  // `keys` are the keys after the step.
  EditAttributesCommand(SchemaDocument& document, const AttributeTable& names,
                        const AttributeMap& moved, KeyList keys)
      : QUndoCommand(SchemaDocument::tr("uprava atributu")),
        document_(document),
        names_(names),
        keys_(std::move(keys)),
        moved_(moved) {
    back_.fill(NoAttribute);
    for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
      if (moved[a] != NoAttribute) back_[moved[a]] = a;
    }
  }

  // The records use no erased attribute (the editor refuses to erase one),
  // so the map back restores every number.
  void redo() override { Swap(moved_); }
  void undo() override { Swap(back_); }

 private:
  void Swap(const AttributeMap& map) {
    Schema& live = document_.schema_;
    std::swap(live.attributes, names_);
    live.keys.swap(keys_);
    RenumberDependencies(live.dependencies, map);
    document_.Changed();
  }

  SchemaDocument& document_;
  AttributeTable names_;
  KeyList keys_;
  AttributeMap moved_;
  AttributeMap back_;
};

namespace {

AttributeMap Unmoved() {
  AttributeMap map;
  for (AttributeIndex a = 0; a < MaxAttributes; ++a)
    map[a] = a;
  return map;
}

bool MovesARecord(const DependencyList& list, const AttributeMap& map) {
  const auto moves = [&map](AttributeIndex a) {
    return a != NoAttribute && a < MaxAttributes && map[a] != NoAttribute && map[a] != a;
  };
  for (const Dependency& d : list) {
    if (moves(d.Rhs()) || std::any_of(d.lhs.begin(), d.lhs.end(), moves)) return true;
  }
  return false;
}

bool SameRecords(const DependencyList& a, const DependencyList& b) {
  return std::equal(
      a.begin(), a.end(), b.begin(), b.end(), [](const Dependency& x, const Dependency& y) {
        return x.lhs == y.lhs && x.rhs.attribute == y.rhs.attribute && x.rhs.mark == y.rhs.mark;
      });
}

bool SameKeys(const KeyList& a, const KeyList& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const KeyRecord& x, const KeyRecord& y) {
                      return x.member == y.member && x.mark == y.mark;
                    });
}

}  // namespace

SchemaDocument::SchemaDocument(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("SchemaDocument"));
  connect(&undoStack_, &QUndoStack::cleanChanged, this,
          [this](bool clean) { emit dirtyChanged(!clean); });
}

void SchemaDocument::Changed() {
  emit changed();
}

void SchemaDocument::Install(Schema edited, const QString& step) {
  if (edited.attributes == schema_.attributes &&
      SameRecords(edited.dependencies, schema_.dependencies) &&
      SameKeys(edited.keys, schema_.keys)) {
    // Nothing to undo, but the windows are told as for any result.
    Changed();
    return;
  }
  undoStack_.push(new ReplaceSchemaCommand(*this, std::move(edited), step));
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
  EditAttributes(names, Unmoved());
}

void SchemaDocument::EditAttributes(const AttributeTable& names, const AttributeMap& moved) {
  KeyList keys = schema_.keys;
  RenumberKeys(keys, moved);
  if (names == schema_.attributes && SameKeys(keys, schema_.keys) &&
      !MovesARecord(schema_.dependencies, moved)) {
    // Nothing to undo, but the windows are told as for any result.
    Changed();
    return;
  }
  undoStack_.push(new EditAttributesCommand(*this, names, moved, std::move(keys)));
}

void SchemaDocument::ReplaceDependencies(DependencyList list) {
  Schema edited;
  edited.attributes = schema_.attributes;
  edited.keys = schema_.keys;
  edited.dependencies = std::move(list);
  Install(std::move(edited), tr("uprava zavislosti"));
}

void SchemaDocument::Load(const AttributeTable& names, DependencyList dependencies,
                          const QString& fileName) {
  schema_.ClearSchema();
  schema_.SetAttributes(names);
  schema_.ReplaceDependencies(std::move(dependencies));
  // The steps name records of the schema that goes.
  undoStack_.clear();
  undoStack_.setClean();
  SetFileName(fileName);
  Changed();
}

void SchemaDocument::LoadUntitled(const AttributeTable& names, DependencyList dependencies,
                                  const QString& title) {
  Load(names, std::move(dependencies), QString());
  SetTitle(title);
}

void SchemaDocument::ClearSchema() {
  Install(Schema{}, tr("vymazani schematu"));
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
  if (modified && undoStack_.isClean()) undoStack_.resetClean();
}

void SchemaDocument::MarkSaved(const QString& fileName) {
  SetFileName(fileName);
  undoStack_.setClean();
}
