#pragma once

#include <QCheckBox>

// A check box whose text, too long for one line, breaks at blanks onto
// further lines beside the indicator instead of being cut, so that a set of
// long names is read whole. Its one-line width is capped at `widest`; the
// layout gives it the height its lines need.
class WrappingCheckBox final : public QCheckBox {
  Q_OBJECT

 public:
  explicit WrappingCheckBox(QWidget* parent = nullptr);

  // The widest the box asks for; a longer text wraps within it.
  void SetWidest(int widest);

  bool hasHeightForWidth() const override;
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  // The whole box, all its lines included, toggles it.
  bool hitButton(const QPoint& pos) const override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Where the indicator stands and what it takes beside the text.
  int TextLeft() const;
  int OneLineHeight() const;
  QRect TextBounds(int width) const;

  int widest_ = QWIDGETSIZE_MAX;
};
