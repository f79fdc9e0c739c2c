#include "RecentFiles.h"

#include <QFileInfo>

namespace {

const QString kKey = QStringLiteral("recentFiles");

QString Absolute(const QString& path) {
  return QFileInfo(path).absoluteFilePath();
}

}  // namespace

QStringList RecentFiles::Paths() const {
  return settings_.value(kKey).toStringList();
}

void RecentFiles::Add(const QString& path) {
  QStringList paths = Paths();
  const QString absolute = Absolute(path);
  paths.removeAll(absolute);
  paths.prepend(absolute);
  Store(paths.mid(0, Limit));
}

void RecentFiles::Remove(const QString& path) {
  QStringList paths = Paths();
  paths.removeAll(Absolute(path));
  Store(paths);
}

void RecentFiles::Store(const QStringList& paths) {
  settings_.setValue(kKey, paths);
}
