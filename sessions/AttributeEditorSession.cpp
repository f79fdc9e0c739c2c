#include "AttributeEditorSession.h"

#include "ModelText.h"
#include "Renumbering.h"
#include "SchemaDocument.h"
#include "SchemaFile.h"

void AttributeEditorSession::load(const Schema& schema) {
  markUpToDate();
  clear();
  while (count_ < MaxAttributes && !schema.AttributeName(count_).empty()) {
    words_[count_] = ToText(schema.AttributeName(count_));
    origin_[count_] = static_cast<AttributeIndex>(count_);
    ++count_;
  }
  extraNames_ = count_ > EnteredNames;
  for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
    if (DependenciesUse(schema.dependencies, a)) used_.Add(a);
  }
  emit wordsChanged();
}

void AttributeEditorSession::clear() {
  words_.fill(QString());
  origin_.fill(NoAttribute);
  count_ = 0;
  selected_ = 0;
  changing_ = false;
  modified_ = false;
  extraNames_ = false;
  used_ = {};
  emit wordsChanged();
}

AttributeEditorSession::WordOutcome AttributeEditorSession::enter(const QString& typed) {
  // Blanks around a name, or doubled inside it, would make it look like
  // another name or like the empty choice of the pickers.
  const QString word = typed.simplified();
  if (word.isEmpty()) return WordOutcome::Empty;
  if (word.size() > MaxNameLength) return WordOutcome::TooLong;
  if (word.contains(QLatin1Char(';')) || word.contains(QLatin1Char(':')))
    return WordOutcome::ReservedCharacter;
  if (!EncodeNameForFile(word)) return WordOutcome::NotStorable;
  for (int k = 0; k < count_; ++k) {
    if (words_[k] == word) return WordOutcome::Duplicate;
  }
  if (changing_) {
    words_[selected_] = word;
    changing_ = false;
    modified_ = true;
    emit wordsChanged();
    return WordOutcome::Replaced;
  }
  if (count_ >= EnteredNames) return WordOutcome::TooMany;
  words_[count_] = word;
  origin_[count_] = NoAttribute;
  ++count_;
  modified_ = true;
  emit wordsChanged();
  return WordOutcome::Added;
}

void AttributeEditorSession::select(int k) {
  if (k < 0 || k >= count_) return;
  selected_ = k;
  emit wordsChanged();
}

bool AttributeEditorSession::startChange() {
  if (count_ == 0) return false;
  changing_ = true;
  // Even a change the student leaves unconfirmed counts as an edit.
  modified_ = true;
  return true;
}

AttributeEditorSession::Erasure AttributeEditorSession::checkErasure() const {
  if (count_ == 0) return Erasure::NothingToErase;
  // The word is protected by the slot it came from: after earlier erasures
  // its position no longer matches the index the dependencies use.
  const AttributeIndex origin = origin_[selected_];
  if (origin != NoAttribute && used_.Has(origin)) return Erasure::UsedByADependency;
  return Erasure::Allowed;
}

void AttributeEditorSession::eraseSelected() {
  if (checkErasure() != Erasure::Allowed) return;
  for (int k = selected_; k < count_ - 1; ++k) {
    words_[k] = words_[k + 1];
    origin_[k] = origin_[k + 1];
  }
  --count_;
  words_[count_].clear();
  origin_[count_] = NoAttribute;
  modified_ = true;
  // A change in progress was meant for a word that has moved or gone.
  changing_ = false;
  if (selected_ != 0) --selected_;
  emit wordsChanged();
}

AttributeTable AttributeEditorSession::names() const {
  AttributeTable names;
  for (int k = 0; k < count_; ++k)
    names[k] = FromText(words_[k]);
  return names;
}

void AttributeEditorSession::apply(SchemaDocument& document) const {
  document.EditAttributes(names(), MapFromOrigins(origin_));
  document.MarkDirty(modified_);
}
