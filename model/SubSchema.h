#pragma once

// One schema of the decomposition and synthesis windows, and what both
// windows compute for such a schema: its keys over its own attributes, its
// normal form, and the dependencies the source schema implies inside it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Nf.h"
#include "Schema.h"
#include "SchemaListing.h"

// What a schema of the decomposition or synthesis is called: its own
// number, the labels of the schemas it joins, or both. A decomposition
// projection goes only by what it joins, a synthesis union or projection by
// both; the starting schema of the synthesis has neither.
struct NumberLabel {
  std::optional<int> number;
  std::vector<NumberLabel> joined;

  bool operator==(const NumberLabel&) const = default;
};

// What a slot of the decomposition or synthesis window holds. Both windows
// replace a schema by the ones a step makes of it; only the decomposition
// tree tells a schema merged into a projection from one split in two.
enum class SlotState : std::uint8_t {
  Empty,
  Current,  // a result schema
  Replaced,
  Absorbed,
};

struct SubSchema {
  AttributeSet member;
  // Order is the display order of the rows and of the reports.
  DependencyList dependencies;
  KeyList keys;
  // The weakest class of the dependencies.
  NormalFormClass normalForm = NormalFormClass::NotComputed;
  SlotState state = SlotState::Empty;
  // Set with Violates3NF when the schema is not even in 2NF: the
  // reports then say first normal form.
  bool belowSecondNormalForm = false;
};

// A name table for the key search over a sub-schema: "data" at every member
// index and the empty string elsewhere, so that the key search sees exactly
// the members as the schema's attributes.
AttributeTable MemberNames(AttributeSet member);

// The first key and then all keys of the record's own dependencies over its
// members.
KeyList FindSchemaKeys(const SubSchema& record);

// The schema a record stands for on its own: its members' names packed from
// slot 0 in index order and its dependencies renumbered to match, for
// pictures and files of one part of a decomposition or synthesis.
Schema StandaloneSchema(const SubSchema& record, const AttributeTable& names);

// Sets `normalForm` from the record's dependencies and keys: Violates3NF if
// some dependency violates 3NF, else ThirdOnly if some violates BCNF, else
// Bcnf (also when there are no dependencies); and `belowSecondNormalForm`.
void ComputeNormalForm(SubSchema& record);

// The normal form a report names for a schema: none while it is not
// computed, and first normal form for a schema below 2NF.
enum class ReportedNormalForm : std::uint8_t { None, First, Second, Third, Bcnf };

ReportedNormalForm ReportedNormalFormOf(const SubSchema& record);

// Where a schema of a report came from.
enum class SchemaOrigin : std::uint8_t {
  Original,
  // Decomposition: a child of a split, a schema added for uncovered
  // dependencies, a projection schema.
  SplitChild,
  AddedForUncovered,
  DecompositionProjection,
  // Synthesis: a schema of the split by left-hand sides, a union of schemas
  // with equivalent keys, a projection schema.
  LeftSideSplit,
  EquivalentKeyUnion,
  SynthesisProjection,
};

// Which schemas a report lists: the present result schemas, or every schema
// made, each with its origin.
enum class ReportScope : std::uint8_t { Results, Course };

// One schema of a report, in the order and notation the report shows.
struct SchemaReportBlock {
  SchemaOrigin origin = SchemaOrigin::Original;
  // For a split child, the parent's label and the dependency it was split
  // by; for a decomposition projection, its own label.
  NumberLabel originLabel;
  std::string originDependency;
  NumberLabel label;
  std::vector<std::string> attributes;
  std::vector<std::string> dependencies;
  std::vector<std::string> keys;
  // The same records and keys by their names.
  std::vector<NamedDependency> namedDependencies;
  std::vector<std::vector<std::string>> namedKeys;
  ReportedNormalForm normalForm = ReportedNormalForm::None;
};

// The block of a schema; the numbers a split child or a projection came
// from are the caller's to fill in.
SchemaReportBlock ReportBlockOf(const SubSchema& record, const AttributeTable& names,
                                SchemaOrigin origin, NumberLabel label);

// Appends to the record's list every dependency X -> a with X a proper
// subset of the members, the empty set included, and a a member that
// `source` implies from X but the list built so far does not. Subsets are
// taken by size, and within a size in
// lexicographic order of the members' positions; the records appended for
// one subset already count for the following ones. Appended records hold X in
// ascending index order and have `used` = 1.
void CompleteByProjection(SubSchema& record, const DependencyList& source);
