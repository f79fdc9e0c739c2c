#pragma once

#include <optional>

#include "Generator.h"
#include "Schema.h"
#include "ToolSession.h"

class RandomSource;

// An exercise: a task on the session's copy of the schema, the student's
// answer, and the running score since the window was opened. The schema is
// the document's, or one made for practice that belongs to the exercise
// alone.
class ExerciseSession : public ToolSession {
  Q_OBJECT

 public:
  // Checking is possible exactly while the student answers a task; there is
  // no task before one is set, after a reset and once the schema changed, so
  // that no button, action or shortcut can judge or score what is not there.
  enum class Phase { NoTask, Answering, Checked };
  Q_ENUM(Phase)

  struct Score {
    int right = 0;
    int attempted = 0;
    bool operator==(const Score&) const = default;
  };

  explicit ExerciseSession(QObject* parent = nullptr);

  Phase phase() const { return phase_; }
  bool canCheck() const { return phase_ == Phase::Answering; }
  Score score() const { return score_; }

  // Sets a task on a copy of the document's schema, whose changes put the
  // task out of date from now on.
  void load(const Schema& schema);
  // Sets a task on a newly made schema of the exercise's own: changes of the
  // document leave it alone, and the score goes on. When no schema comes
  // out, the task stays and the failure says why.
  std::optional<GeneratorFailure> practise(RandomSource& random);
  // The task stands on a schema made for practice.
  bool isPractising() const { return practising_; }

  // The copy of the schema the task is set on; empty without a task.
  const AttributeTable& names() const { return names_; }
  const DependencyList& dependencies() const { return dependencies_; }

  // Drops the task; the score stays until the window closes.
  void clear();
  // Drops the task and the score: the window was closed.
  void close();
  // The task belongs to a schema that is no longer the live one; a schema
  // made for practice never is.
  void markOutOfDate() final;

 signals:
  void phaseChanged(ExerciseSession::Phase phase);
  void scoreChanged(ExerciseSession::Score score);
  // A task was set on a schema or dropped.
  void taskChanged();

 protected:
  void enterPhase(Phase phase);
  // One task answered in the end, rightly or not.
  void record(bool right);
  // Builds the task on the copied schema, which has attributes; says
  // whether the student answers it at once rather than picking first.
  virtual bool startTask() = 0;
  // Drops what a derived session built on the task.
  virtual void dropAnswer() = 0;
  // What a derived session does beyond dropping the phase when its task
  // goes out of date.
  virtual void taskOutOfDate() {}
  // Narrows a request for a practice schema to what the exercise needs to
  // be worth doing.
  virtual void aimPractice(GeneratorRequest& request) const;

 private:
  // Sets a task on a copy of the schema. A schema without attributes offers
  // none.
  void setTask(const Schema& schema);

  AttributeTable names_;
  DependencyList dependencies_;
  Phase phase_ = Phase::NoTask;
  Score score_;
  bool practising_ = false;
};
