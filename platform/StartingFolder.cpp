#include "StartingFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kKey = QStringLiteral("lastFolder");

}  // namespace

StartingFolder::StartingFolder(QSettings& settings) : settings_(settings) {}

QString StartingFolder::Remembered() const {
  const QString folder = settings_.value(kKey).toString();
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

QString StartingFolder::Documents() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  // A new account may have no documents folder yet.
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString StartingFolder::ForOpening() const {
  const QString folder = Remembered();
  return folder.isEmpty() ? Documents() : folder;
}

QString StartingFolder::ForSaving() const {
  const QString folder = Remembered();
  return !folder.isEmpty() && QFileInfo(folder).isWritable() ? folder : Documents();
}

void StartingFolder::Remember(const QString& chosenFile) {
  settings_.setValue(kKey, QFileInfo(chosenFile).absolutePath());
}
