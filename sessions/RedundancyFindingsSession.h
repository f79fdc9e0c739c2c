#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Schema.h"
#include "ToolSession.h"

class SchemaDocument;

// What the redundancy windows list: one row per finding in the live schema,
// each of which the student may delete from the live list, undoably. Rows
// act on records of the live list and on attribute numbers, so the session
// lists its findings afresh on every change it did not make itself; it
// hears of every change as the owner tells every session (markOutOfDate).
class RedundancyFindingsSession : public ToolSession {
  Q_OBJECT

 public:
  enum class RowState {
    Redundant,
    Deleted,
    // Another deletion made its dependency or attribute necessary.
    NoLongerRedundant,
  };
  Q_ENUM(RowState)

  struct Row {
    // The left-hand attribute that can go; NoAttribute where the whole
    // dependency can.
    AttributeIndex attribute = NoAttribute;
    // The dependency as it stands now, or as it stood when the row was
    // retired.
    std::string dependency;
    RowState state = RowState::Redundant;
  };

  // What one deletion did to the other rows.
  struct Deletion {
    int noLongerRedundant = 0;
    bool noneLeft = false;
  };

  // Lists the findings of the live schema afresh; returns whether there are
  // any. Without findings the session stays closed and follows no change.
  bool load();
  // Deletes a row's finding from the live list; a retired row deletes
  // nothing.
  Deletion erase(std::size_t row);
  // The window closes: the rows are dropped. Returns the live list as it
  // stands after the deletions, for the main window's log, or nothing when
  // nothing was deleted.
  std::vector<std::string> close();

  const std::vector<Row>& rows() const { return rows_; }
  const AttributeTable& names() const { return names_; }

  // The live schema changed: an open session lists its findings again and
  // says so, unless the change is its own deletion.
  void markOutOfDate() override;

 signals:
  // The rows were listed afresh or dropped.
  void rowsChanged();
  // A deletion changed the states and the dependencies of rows.
  void rowStatesChanged();
  // The rows were listed afresh after a change made elsewhere.
  void refilled();

 protected:
  RedundancyFindingsSession(SchemaDocument& document, QObject* parent);

  using Report = std::function<void(AttributeIndex attribute, const Dependency& record)>;
  // Reports every finding of the list, in the order the window lists them.
  virtual void find(const DependencyList& dependencies, const Report& report) const = 0;
  // Deletes one finding; false when its record is not in the list.
  virtual bool eraseFinding(SchemaDocument& document, const Dependency* record,
                            AttributeIndex attribute) const = 0;
  virtual bool isRedundant(const DependencyList& dependencies, const Dependency& record,
                           AttributeIndex attribute) const = 0;
  // The live record a row acts on; null once the row is retired.
  const Dependency* recordOf(std::size_t row) const {
    return row < rowDependency.size() ? rowDependency[row] : nullptr;
  }
  const SchemaDocument& document() const { return document_; }

 private:
  void fill();
  void retire(std::size_t row, RowState state);

  SchemaDocument& document_;
  AttributeTable names_;
  std::vector<Row> rows_;
  // The record of the live list each row acts on, while it is redundant;
  // null once retired.
  std::vector<const Dependency*> rowDependency;
  bool open_ = false;
  bool deleting_ = false;
  bool deletionsMade = false;
};
