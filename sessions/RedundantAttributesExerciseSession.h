#pragma once

#include <QStringList>
#include <optional>
#include <vector>

#include "ExerciseSession.h"
#include "Schema.h"

// The redundant attributes exercise: the student marks the left-hand
// attributes that can go, each judged on its own against the whole list,
// since deleting one may make another one necessary.
class RedundantAttributesExerciseSession final : public ExerciseSession {
  Q_OBJECT

 public:
  // The student's mark on a left-hand attribute.
  enum class Mark { Kept, Redundant };
  Q_ENUM(Mark)

  // One left-hand attribute of one dependency.
  struct Item {
    std::size_t dependency = 0;
    AttributeIndex attribute = NoAttribute;
    // The solution: the rest of the left-hand side determines the right.
    bool redundant = false;
    Mark mark = Mark::Kept;
  };

  using ExerciseSession::ExerciseSession;

  const AttributeTable& names() const { return names_; }
  const DependencyList& dependencies() const { return dependencies_; }
  const std::vector<Item>& items() const { return items_; }

  // Marks the item redundant or kept again; taken only while answering.
  void toggle(std::size_t item);
  bool isWrong(std::size_t item) const;

  // Whether the answer is right; nothing while there is no answer to check.
  std::optional<bool> judge() const;
  // Scores the answer as it stands and shows the solution: the dependencies
  // reduced, with why each wrong mark is wrong.
  void conclude();
  QStringList explanation() const { return explanation_; }
  // The dependencies without their redundant attributes, once checked.
  const DependencyList& reduced() const { return reduced_; }
  // The same task again, with no marks.
  void retry();

 signals:
  // The items were set or dropped.
  void taskChanged();

 private:
  // Sets a task on a copy of the schema: one item per left-hand attribute
  // of every dependency. A schema without attributes offers none.
  void setTask(const Schema& schema) override;
  void dropTask() override;
  // At least one left-hand attribute to find.
  void aimPractice(GeneratorRequest& request) const override;

  AttributeTable names_;
  DependencyList dependencies_;
  std::vector<Item> items_;
  DependencyList reduced_;
  QStringList explanation_;
};
