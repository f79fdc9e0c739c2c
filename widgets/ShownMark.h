#pragma once

#include <QWidget>

// A thick frame in the selection colour over the schema field whose details
// are shown, so that it stands out among the other fields. It lies on the
// field, follows its size and goes with it; mouse events pass through it.
class ShownMark final : public QWidget {
  Q_OBJECT

 public:
  // Takes the mark off every field of `window` and puts it on `field`, if
  // any.
  static void MoveTo(QWidget& window, QWidget* field);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  explicit ShownMark(QWidget& field);
};
