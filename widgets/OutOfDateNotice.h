#pragma once

#include <QLabel>

class SchemaDocument;
class ToolSession;

// A strip across the top of a tool window that tells the student the schema
// has changed since the window was filled from it. Hidden until told.
class OutOfDateNotice final : public QLabel {
  Q_OBJECT

 public:
  // Stands above the window's content, first in the window's box layout, so
  // that it takes room of its own instead of covering a control.
  explicit OutOfDateNotice(QWidget& window);

  // A notice for a window that works on a copy of the schema: it appears
  // whenever the document changes, until the window hides it when it is
  // filled again.
  static OutOfDateNotice* Follow(QWidget& window, const SchemaDocument& document);
  // A notice that shows while the session is out of date.
  static OutOfDateNotice* Follow(QWidget& window, const ToolSession& session);

  // The window shows a copy of the schema that is no longer the live one.
  void ShowOutOfDate();
  // The window refilled itself from the changed schema.
  void ShowRefilled();

 private:
  void Announce(const QString& text);
};
