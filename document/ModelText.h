#pragma once

#include <QString>
#include <string>

// Model strings are UTF-8.
inline QString ToText(const std::string& s) {
  return QString::fromStdString(s);
}
inline std::string FromText(const QString& s) {
  return s.toStdString();
}
