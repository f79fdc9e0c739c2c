#pragma once

// The schema as readable text, the one form used wherever a schema goes in or
// out as text (UTF-8):
//
//   # orders
//   attributes: Objednavka, Zakaznik, Adresa
//   Objednavka -> Zakaznik
//   Objednavka, Zakaznik -> Adresa
//   -> Adresa
//
// Lines end with LF or CR LF; a UTF-8 byte order mark at the start is skipped.
// "#" starts a comment running to the end of the line, after content too; a
// comment on the first line that is not blank is the schema's title. Blank
// lines are ignored.
//
// The attribute line, "attributes:" (in any letter case) and the names
// separated by commas, may stand anywhere, at most once. Without it the names
// are taken in the order they first appear; with it in its order, and every
// name a dependency uses must be listed there.
//
// Any other line is one dependency: the names of the left-hand side separated
// by commas, an arrow ("->" or U+2192), and one or more right-hand names; each
// right-hand name makes one record, in order. Nothing before the arrow is an
// empty left-hand side. A name may repeat on a left-hand side; the record
// keeps it, as a schema file does.
//
// Names are trimmed, and every run of blanks inside one becomes a single
// space, as in the attribute editor, so that two names that look alike are
// the same name. A name holds at most MaxNameLength characters and none of
// "," "#" ";" ":" an arrow, a control character or a line break: ";" and ":"
// because the schema file cannot hold them, and the attribute line is found
// by its ":". The limits are those of the schema file (DbcFormat.h).
//
// The writer puts the attribute line first, with every name in slot order, so
// that names no dependency uses and the slot order survive, then one line per
// record in list order, records with equal left-hand sides unmerged. Empty
// slots are skipped, as the schema file skips them, and the names behind them
// are read back into the next lower slots; the records follow their names.

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "DbcFormat.h"
#include "Schema.h"

// A schema as a text gives it, the names packed from slot 0.
struct NotationSchema {
  AttributeTable names;
  DependencyList dependencies;
  // Blanks collapsed as in names; empty without a title comment.
  std::string title;
};

// Why the reader refused a text, where, and the name or number the reason
// needs. Positions count from 1: lines, and characters (code points) within
// the line, the byte order mark not counted.
struct NotationRefusal {
  enum class Reason {
    InvalidUtf8,           // detail: the first byte of the bad sequence, "0xC3"; at it
    ForbiddenCharacter,    // ";" ":" a control character or a line break in a name;
                           // detail: the character, or "U+0007" when it has no picture
    UnknownKeyword,        // a line with ":" but no arrow that is not the attribute line;
                           // detail: the text before ":"; at its start
    SecondAttributeLine,   // detail: the line of the first one; at the keyword
    ArrowInAttributeLine,  // at the arrow
    MissingArrow,          // a line with names and no arrow; at its first character
    SecondArrow,           // at the second arrow
    MissingRightSide,      // nothing after the arrow; at the arrow
    EmptyName,             // nothing between two commas or beside one; at the comma
    NameTooLong,           // detail: the name; at its first character
    DuplicateAttribute,    // a name listed twice in the attribute line; detail: the
                           // name; at the second
    UnknownAttribute,      // a dependency's name missing from the attribute line;
                           // detail: the name; at it
    TooManyAttributes,     // detail: the most names; at the first name too many
    TooManyOnLeftSide,     // detail: the most names on a left-hand side; at the first
                           // one too many
    TooManyDependencies,   // detail: the most records; at the right-hand name that
                           // would make the first one too many
  };
  Reason reason;
  std::size_t line;
  std::size_t column;
  std::string detail;
};

using NotationReadResult = std::variant<NotationSchema, NotationRefusal>;

NotationReadResult ReadNotation(std::string_view text);

// Why the writer cannot write a schema so that reading gives it back.
struct NotationWriteRefusal {
  enum class Reason {
    InvalidUtf8,          // detail: the name
    ReservedCharacter,    // a name holding what a name cannot hold; detail: the name
    StrayBlanks,          // a name with blanks at an end, or a run or kind of blank
                          // the reader would change; detail: the name
    NameTooLong,          // detail: the name
    DuplicateName,        // detail: the name
    UnnamedAttribute,     // a record using an index with no name; detail: the index
    TooManyDependencies,  // detail: the most records
  };
  Reason reason;
  std::string detail;
};

using NotationWriteResult = std::variant<std::string, NotationWriteRefusal>;

// The text of a schema, opened by "# title" unless the title is empty. Runs
// of blanks, line breaks and control characters in the title become one
// space, and bytes that are not UTF-8 the replacement character: the title
// is a remark, never refused.
// Whatever the writer writes, the reader takes back to the same names (packed)
// and records.
NotationWriteResult WriteNotation(const AttributeTable& names, const DependencyList& dependencies,
                                  std::string_view title = {});

// The text as the writer writes what it says; equal texts say the same
// schema, title and order. The normal form of a normal form is itself.
std::variant<std::string, NotationRefusal> NormaliseNotation(std::string_view text);

// The records alone, one line each as WriteNotation writes them, for an
// editor in which the names are fixed and only the dependencies are typed.
NotationWriteResult WriteDependencyLines(const AttributeTable& names,
                                         const DependencyList& dependencies);

// Reads a text of dependency lines (and comments) naming the attributes of
// `names`, which keep their slots; a name not among them is refused as
// UnknownAttribute. Positions count in `text`. The names are not the text's
// to change, so an attribute line is refused as an UnknownKeyword.
std::variant<DependencyList, NotationRefusal> ReadDependencyLines(std::string_view text,
                                                                  const AttributeTable& names);

// Whether a text, such as one pasted, is a schema in this notation: it reads
// and holds at least one dependency line.
bool LooksLikeNotation(std::string_view text);
