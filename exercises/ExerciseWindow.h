#pragma once

#include <vector>

#include "ExerciseSession.h"
#include "Platform.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class ExerciseFeedback;
class MessageService;
class QAction;
class QLabel;
class QPushButton;

// What every exercise window has besides its task: the scrolling client
// area, the notice that the document's schema changed, and the way to
// practise without end on schemas made for the purpose ("Dalsi nahodne
// schema"), with the running score going on across them.
class ExerciseWindow : public ToolWindow {
  Q_OBJECT

 public:
  // Sets a task on the live schema; from now on the exercise follows the
  // document again.
  void prepare();
  // Sets a new task on a newly made schema of the exercise's own.
  void nextRandomSchema();

 protected:
  ExerciseWindow(ExerciseSession& session, SchemaHost& host, RandomSource& random,
                 MessageService& messages, ErrorDisplay& errors, QWidget* parent);

  // Where the exercise tells the student its verdicts and asks its questions.
  MessageService& messages() const { return messages_; }
  // The client area the window lays its controls out on.
  QWidget* canvas() const { return canvas_; }
  // Moves command buttons into the bar under the client area, where they
  // stay in view however far the task scrolls; in the order given.
  void keepInView(const std::vector<QPushButton*>& buttons);
  // The window was closed: the task and the score go.
  void resetWindow() override;
  // Called before the session takes a new schema, for a window that
  // returns to the size of an empty task.
  virtual void restartLayout() {}
  // The strip under the client area with the running score, which it
  // follows from now on.
  ExerciseFeedback* addFeedback();
  // The action that drops the task ("Clear"), for the exercises that offer
  // it.
  void offerClear();

 private:
  void showOrigin();

  ExerciseSession& session_;
  SchemaHost& host_;
  RandomSource& random_;
  MessageService& messages_;
  QWidget* canvas_ = nullptr;
  QAction* a_next_random = nullptr;
  QPushButton* Button_NextRandom = nullptr;
  QLabel* Label_Practice = nullptr;
  QWidget* Panel_Commands = nullptr;
};
