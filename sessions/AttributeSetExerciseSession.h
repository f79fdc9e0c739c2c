#pragma once

#include <QStringList>
#include <optional>
#include <vector>

#include "ExerciseSession.h"
#include "Schema.h"

// An exercise in two steps on the schema's attributes: the student picks A,
// a set of attributes or one attribute, and then ticks the attributes of a
// result the program computes from A; the answer is judged attribute by
// attribute.
class AttributeSetExerciseSession : public ExerciseSession {
  Q_OBJECT

 public:
  // What A is picked as.
  enum class Pick { Set, OneAttribute };
  Q_ENUM(Pick)
  // What came of fixing the picked A.
  enum class Fixing { TaskSet, NothingPicked, NotPicking };
  Q_ENUM(Fixing)

  Pick pickKind() const { return pickKind_; }

  const AttributeTable& names() const { return names_; }
  const DependencyList& dependencies() const { return dependencies_; }
  // The attributes offered, in slot order: the k-th control of every column
  // stands for the k-th of them.
  const std::vector<AttributeIndex>& offered() const { return offered_; }

  // A can be picked: attributes are offered on a current copy of the schema
  // and no A is fixed.
  bool isPicking() const;
  // Picks or unpicks an attribute while picking; picking one attribute as A
  // unpicks the one picked before.
  void setPicked(AttributeIndex attribute, bool picked);
  AttributeSet picked() const { return picked_; }
  // Fixes the picked A: the task is to tick the attributes of its result.
  Fixing fixPick();
  // The fixed A; empty until A is fixed.
  AttributeSet fixed() const { return fixed_; }

  // The student's tick on an offered attribute; taken only while answering.
  void setTicked(AttributeIndex attribute, bool ticked);
  AttributeSet ticked() const { return ticked_; }
  // The program's result for the fixed A.
  AttributeSet solution() const { return solution_; }
  bool isWrong(AttributeIndex attribute) const;

  // Whether the answer is right; nothing while there is no answer to check.
  std::optional<bool> judge() const;
  // Scores the answer as it stands and shows the solution with why it is
  // what it is.
  void conclude();
  QStringList explanation() const { return explanation_; }

  // A new task on the same copy of the schema: A is picked afresh. Not on a
  // copy that is out of date.
  bool canStartNewTask() const;
  void startNewTask();

 signals:
  // The offered attributes were set or dropped.
  void taskChanged();
  // A new task on the same attributes: A is picked afresh.
  void newTaskStarted();

 protected:
  AttributeSetExerciseSession(Pick pickKind, QObject* parent);

  // The result the student ticks for A.
  virtual AttributeSet solve(AttributeSet a) const = 0;
  // The lines under the checked answer.
  virtual QStringList explain() const = 0;

 private:
  // Offers the attributes of a copy of the schema to pick A from. A schema
  // without attributes offers none.
  void setTask(const Schema& schema) override;
  void dropTask() override;

  const Pick pickKind_;
  AttributeTable names_;
  DependencyList dependencies_;
  std::vector<AttributeIndex> offered_;
  AttributeSet picked_;
  AttributeSet fixed_;
  AttributeSet ticked_;
  AttributeSet solution_;
  QStringList explanation_;
};
