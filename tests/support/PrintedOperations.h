#pragma once

#include <QStringList>
#include <vector>

#include "ScriptedPlatform.h"

// Printed operations as text, one entry each: "font 20 bold",
// "text 0,50 Schemario", "page", "end".
inline QStringList Operations(const std::vector<PrintOperation>& printed) {
  QStringList out;
  for (const PrintOperation& op : printed) {
    switch (op.kind) {
      case PrintOperation::Font:
        out << QStringLiteral("font %1%2").arg(op.x).arg(op.y != 0 ? " bold" : "");
        break;
      case PrintOperation::Text:
        out << QStringLiteral("text %1,%2 %3").arg(op.x).arg(op.y).arg(op.text);
        break;
      case PrintOperation::Picture:
        out << QStringLiteral("picture %1,%2 %3").arg(op.x).arg(op.y).arg(op.text);
        break;
      case PrintOperation::NewPage:
        out << QStringLiteral("page");
        break;
      case PrintOperation::End:
        out << QStringLiteral("end");
        break;
    }
  }
  return out;
}
