#pragma once

#include <QClipboard>
#include <QLabel>

// A read-only field of schema data whose text, too long for one line,
// breaks at blanks onto further lines instead of being cut. It looks like a
// line edit: framed, filled with the base colour (which SetBackground sets)
// and written in the text colour (which ShowSuperseded greys); the student
// may select its text with the mouse and copies it plain, as it is saved,
// even when it is shown in the form of Breakable. The text is never read as rich text,
// since names may hold '<'.
class WrappingField final : public QLabel {
  Q_OBJECT

 public:
  explicit WrappingField(QWidget* parent = nullptr);

  // The width that shows the whole text on one line.
  int OneLineWidth() const;
  // The size that shows the whole text in lines no wider than `widest`: as
  // wide as the text on one line when that fits.
  QSize SizeWithin(int widest) const;

  // Never lower than a line edit in the same font, so that a field of one
  // line stands level with the line edits beside it.
  int heightForWidth(int width) const override;
  // The whole text on one line.
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  int FrameWidth() const;
  // Puts the selected text, plain, on the clipboard of `mode`.
  void copySelection(QClipboard::Mode mode) const;
};
