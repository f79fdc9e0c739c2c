#pragma once

#include <QWidget>

class QToolButton;

// Two arrow buttons above each other, sharing the control's height, that
// page a column of rows and hold a position of 0 or more: the up arrow
// raises it by one, the down arrow lowers it by one (never below 0). After
// each press `Click` reports the new position and the arrow pressed; the
// owner may set the position back where its rows end.
class UpDownControl final : public QWidget {
  Q_OBJECT

 public:
  // The arrows are found by the object names `upName` and `downName`.
  UpDownControl(const QString& upName, const QString& downName, QWidget* parent);

  int Position() const { return position_; }
  void SetPosition(int position);
  // A held arrow repeats its step.
  void SetAutoRepeat(bool repeat);

 signals:
  void Click(int position, bool upPressed);

 private:
  void Press(bool up);

  int position_ = 0;
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
};
