#pragma once

#include <QObject>

// The state of one tool window or exercise. A session works on its own copy
// of the schema, taken when it is loaded, so that what it shows and what it
// judges always belong together; when the live schema changes afterwards it
// is marked out of date, and its window says so.
class ToolSession : public QObject {
  Q_OBJECT

 public:
  explicit ToolSession(QObject* parent = nullptr);

  bool isOutOfDate() const { return outOfDate_; }
  // The live schema changed after the session copied it.
  virtual void markOutOfDate();

 signals:
  void outOfDateChanged(bool outOfDate);

 protected:
  // A new copy of the schema is the current one again.
  void markUpToDate();

 private:
  bool outOfDate_ = false;
};
