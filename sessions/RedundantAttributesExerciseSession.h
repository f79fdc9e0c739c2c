#pragma once

#include <vector>

#include "GradedExerciseSession.h"
#include "Schema.h"

// The redundant attributes exercise: the student marks the left-hand
// attributes that can go, each judged on its own against the whole list,
// since deleting one may make another one necessary.
class RedundantAttributesExerciseSession final : public GradedExerciseSession {
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

  using GradedExerciseSession::GradedExerciseSession;

  const std::vector<Item>& items() const { return items_; }

  // Marks the item redundant or kept again; taken only while answering.
  void toggle(std::size_t item);
  bool isWrong(std::size_t item) const;
  // The dependencies without their redundant attributes, once checked.
  DependencyList reduced() const;

 private:
  // One item per left-hand attribute of every dependency.
  bool startTask() override;
  void dropAnswer() override { items_.clear(); }
  std::size_t itemCount() const override { return items_.size(); }
  bool isItemWrong(std::size_t item) const override { return isWrong(item); }
  // Why each wrong mark is wrong.
  QStringList explainAnswer() const override;
  void clearAnswer() override;
  // At least one left-hand attribute to find.
  void aimPractice(GeneratorRequest& request) const override;

  std::vector<Item> items_;
};
