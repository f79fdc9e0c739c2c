#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class ErrorDisplay;
class QPushButton;

// A window opened beside the main window: an analysis window or an
// exercise. Closing it empties it, so that the next opening starts afresh and
// nothing of a schema that may have changed meanwhile stays on show; Enter
// presses its default button wherever the focus is; and a step that fails
// shows its error while the window keeps what the step had reached.
class ToolWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ToolWindow(ErrorDisplay& errors, QWidget* parent = nullptr);

 protected:
  // Empties the window as if it had never been opened. Windows also call it
  // before they fill themselves again.
  virtual void resetWindow() = 0;

  // The button Enter presses when the focus is not on a button; none when
  // nullptr. A hidden or disabled button is left alone, so Enter never
  // starts a step the window does not offer.
  void SetDefaultButton(QPushButton* button);

  // Runs one step of the window; an exception escaping it is shown, and what
  // the step changed before it failed stays, since every step leaves the
  // window's state whole between its changes. Returns whether it ran through.
  bool RunStep(const std::function<void()>& step);

  void closeEvent(QCloseEvent* event) final;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ErrorDisplay& errors_;
  QPointer<QPushButton> defaultButton_;
};
