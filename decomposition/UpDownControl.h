#pragma once

#include <QWidget>

class QToolButton;

// Two arrow buttons above each other holding a position of 0 or more: the up
// arrow raises it by one, the down arrow lowers it by one (never below 0).
// After each press `Click` reports the new position and the arrow pressed.
class UpDownControl final : public QWidget {
  Q_OBJECT

 public:
  explicit UpDownControl(QWidget* parent = nullptr);

  int Position() const { return position_; }
  void SetPosition(int position);

 signals:
  void Click(int position, bool upPressed);

 private:
  void Press(bool up);

  int position_ = 0;
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
};
