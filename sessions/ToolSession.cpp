#include "ToolSession.h"

ToolSession::ToolSession(QObject* parent) : QObject(parent) {}

void ToolSession::markOutOfDate() {
  if (outOfDate_) return;
  outOfDate_ = true;
  emit outOfDateChanged(true);
}

void ToolSession::markUpToDate() {
  if (!outOfDate_) return;
  outOfDate_ = false;
  emit outOfDateChanged(false);
}
