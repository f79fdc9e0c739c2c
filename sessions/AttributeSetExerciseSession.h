#pragma once

#include <vector>

#include "GradedExerciseSession.h"
#include "Schema.h"

// An exercise in two steps on the schema's attributes: the student picks A,
// a set of attributes or one attribute, and then ticks the attributes of a
// result the program computes from A; the answer is judged attribute by
// attribute.
class AttributeSetExerciseSession : public GradedExerciseSession {
  Q_OBJECT

 public:
  // What A is picked as.
  enum class Pick { Set, OneAttribute };
  Q_ENUM(Pick)
  // What came of fixing the picked A.
  enum class Fixing { TaskSet, NothingPicked, NotPicking };
  Q_ENUM(Fixing)

  Pick pickKind() const { return pickKind_; }

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

  // A new task on the same copy of the schema: A is picked afresh. Not on a
  // copy that is out of date.
  bool canStartNewTask() const;
  void startNewTask();

 signals:
  // A new task on the same attributes: A is picked afresh.
  void newTaskStarted();

 protected:
  AttributeSetExerciseSession(Pick pickKind, QObject* parent);

  // The result the student ticks for A.
  virtual AttributeSet solve(AttributeSet a) const = 0;

 private:
  // Offers the schema's attributes to pick A from; the answer comes after.
  bool startTask() override;
  void dropAnswer() override;
  std::size_t itemCount() const override { return offered_.size(); }
  bool isItemWrong(std::size_t item) const override { return isWrong(offered_[item]); }
  void clearAnswer() override { ticked_ = {}; }

  const Pick pickKind_;
  std::vector<AttributeIndex> offered_;
  AttributeSet picked_;
  AttributeSet fixed_;
  AttributeSet ticked_;
  AttributeSet solution_;
};
