#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

// The schema files opened or saved last, newest first, kept in the settings
// the program is given so that they survive the session.
class RecentFiles final {
 public:
  static constexpr int Limit = 8;

  explicit RecentFiles(QSettings& settings) : settings_(settings) {}

  QStringList Paths() const;
  // Puts the file first; the same file named another way counts once.
  void Add(const QString& path);
  void Remove(const QString& path);

 private:
  void Store(const QStringList& paths);

  QSettings& settings_;
};
