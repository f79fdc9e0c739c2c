#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DependencyRows.h"
#include "Schema.h"
#include "SchemaNotation.h"
#include "ToolSession.h"

class SchemaDocument;

// The dependency editor's copy of the list: one line per dependency
// composed from picked attributes, a selected line that can be erased, and
// accepting installs the whole new list, one record per right-hand
// attribute.
class DependencyEditorSession final : public ToolSession {
  Q_OBJECT

 public:
  // The lines the student may compose; a schema read from a file may bring
  // more, which are kept.
  static constexpr int MostLines = 30;

  // The attributes picked for a new line, picker by picker; NoAttribute
  // where a picker is left empty.
  struct Choice {
    std::array<AttributeIndex, RowLhsPickers> lhs;
    std::array<AttributeIndex, RowRhsSlots> rhs;
    Choice() {
      lhs.fill(NoAttribute);
      rhs.fill(NoAttribute);
    }
  };

  enum class Insertion { Inserted, TooMany, NoLeftSide, NoRightSide, RepeatedLeftAttribute };
  Q_ENUM(Insertion)

  using ToolSession::ToolSession;

  // Takes a copy of the names and a line per dependency, the first one
  // selected.
  void load(const Schema& schema);
  // Forgets the lines, as closing the editor does.
  void clear();

  const AttributeTable& names() const { return names_; }
  int lineCount() const { return static_cast<int>(lines_.size()); }
  const std::string& lineText(int line) const { return lines_.at(line).text; }
  // The selected line; -1 when there is none.
  int current() const { return current_; }
  bool isModified() const { return modified_; }

  // Adds a line for the picked attributes, selected, after the last one.
  Insertion insert(const Choice& choice);
  // Selects a line; a position without a line is ignored.
  void select(int line);
  // Erases the selected line; the line after it takes its place, the last
  // one hands the selection back to the one before it. False when no line
  // is selected.
  bool eraseCurrent();

  // The lines as a schema text writes their records, one a line, without
  // the names; a refusal when a name cannot stand in a text.
  NotationWriteResult text() const;
  // Replaces the lines by the records of a typed text, one line a record,
  // the first selected; a text saying the records already held leaves the
  // lines as composed. A refused text changes nothing.
  std::optional<NotationRefusal> takeText(std::string_view text);

  // The records of the lines in order, one per right-hand attribute.
  DependencyList dependencies() const;
  // Installs the list on the document and marks the schema changed if
  // anything was.
  void apply(SchemaDocument& document) const;

 signals:
  // Lines were added, erased or replaced.
  void linesChanged();
  // The selection moved; it comes after linesChanged when a step does both.
  void currentChanged();

 private:
  struct Line {
    DependencyRow row;
    std::string text;
  };
  AttributeTable names_;
  std::vector<Line> lines_;
  int current_ = -1;
  bool modified_ = false;
};
