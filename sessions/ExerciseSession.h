#pragma once

#include "ToolSession.h"

// An exercise: a task on the session's copy of the schema, the student's
// answer, and the running score since the window was opened.
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

  // Drops the task; the score stays until the window closes.
  void clear();
  // Drops the task and the score: the window was closed.
  void close();
  // The task belongs to a schema that is no longer the live one.
  void markOutOfDate() override;

 signals:
  void phaseChanged(ExerciseSession::Phase phase);
  void scoreChanged(ExerciseSession::Score score);

 protected:
  void enterPhase(Phase phase);
  // One task answered in the end, rightly or not.
  void record(bool right);
  // What a derived session drops with its task.
  virtual void dropTask() = 0;

 private:
  Phase phase_ = Phase::NoTask;
  Score score_;
};
