#pragma once

#include <QSettings>
#include <QString>

// Where the file dialogs start: the folder the user last chose a file in,
// kept in the settings, or else the user's documents folder. A save dialog
// never starts in a folder the user cannot write to, such as the installed
// sample schemas, where saving would only fail.
class StartingFolder final {
 public:
  explicit StartingFolder(QSettings& settings);

  QString ForOpening() const;
  QString ForSaving() const;
  // The folder of a file the user chose becomes the next starting folder.
  void Remember(const QString& chosenFile);

 private:
  QString Remembered() const;
  static QString Documents();

  QSettings& settings_;
};
