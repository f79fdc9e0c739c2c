#pragma once

#include <QString>
#include <array>

#include "Schema.h"
#include "ToolSession.h"

class SchemaDocument;

// The attribute editor's copy of the names: one word is entered at a time,
// a selected word can be changed or erased, and accepting installs the whole
// new table, the dependencies and keys following their words.
class AttributeEditorSession final : public ToolSession {
  Q_OBJECT

 public:
  // The names the student may enter; a schema read from a file may bring
  // more, which are kept and can be changed and erased like the others.
  static constexpr int EnteredNames = 15;

  // What became of a word the student entered.
  enum class WordOutcome {
    Added,
    Replaced,
    Empty,
    TooLong,
    // ";" or ":", which the schema file uses to separate and end names.
    ReservedCharacter,
    // A character the schema file's character set does not hold.
    NotStorable,
    Duplicate,
    // Accepted as a name, but there is no room left for it.
    TooMany,
  };
  Q_ENUM(WordOutcome)

  enum class Erasure { NothingToErase, UsedByADependency, Allowed };
  Q_ENUM(Erasure)

  using ToolSession::ToolSession;

  // Takes a copy of the names, the first word selected.
  void load(const Schema& schema);
  // Forgets the words, as closing the editor does.
  void clear();

  int wordCount() const { return count_; }
  // Word k; empty past the last.
  const QString& word(int k) const { return words_.at(static_cast<std::size_t>(k)); }
  // The selected word; it means nothing while there are no words.
  int selected() const { return selected_; }
  // Whether the schema brought more names than the student may enter.
  bool showsExtraNames() const { return extraNames_; }
  bool isModified() const { return modified_; }

  // Takes a word as typed: it replaces the selected word while a change is
  // in progress, and goes after the last word otherwise.
  WordOutcome enter(const QString& typed);
  // Selects word k; a position without a word is ignored.
  void select(int k);
  // Starts changing the selected word; false when there is none.
  bool startChange();
  // Whether the selected word may be erased.
  Erasure checkErasure() const;
  // Erases the selected word, the later ones moving up; only when
  // checkErasure() allowed it.
  void eraseSelected();

  // The names as they stand, word k in slot k.
  AttributeTable names() const;
  // Installs the names on the document, every record and key following its
  // word to its new slot, and marks the schema changed if anything was.
  void apply(SchemaDocument& document) const;

 signals:
  // The words or the selection changed.
  void wordsChanged();

 private:
  std::array<QString, MaxAttributes> words_;
  int count_ = 0;
  int selected_ = 0;
  bool changing_ = false;
  bool modified_ = false;
  bool extraNames_ = false;
  // The slot each word had when the editor was loaded, NoAttribute for a
  // word entered since. Erasing moves words to lower slots; applying moves
  // the records after them.
  std::array<AttributeIndex, MaxAttributes> origin_{};
  // The slots the dependencies use when loaded, whose words cannot be erased.
  AttributeSet used_;
};
