#pragma once

#include <QLabel>

class SchemaDocument;

// A strip across the top of a tool window that tells the student the schema
// has changed since the window was filled from it. Hidden until told.
class OutOfDateNotice final : public QLabel {
  Q_OBJECT

 public:
  // Stands above the window's content: first in its box layout, or over the
  // top edge of a window placed by hand.
  explicit OutOfDateNotice(QWidget& window);

  // A notice for a window that works on a copy of the schema: it appears
  // whenever the document changes, until the window hides it when it is
  // filled again.
  static OutOfDateNotice* Follow(QWidget& window, const SchemaDocument& document);

  // The window shows a copy of the schema that is no longer the live one.
  void ShowOutOfDate();
  // The window refilled itself from the changed schema.
  void ShowRefilled();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Announce(const QString& text);
  void FitToWindow();

  QWidget& window_;
  bool overlay_ = false;
};
