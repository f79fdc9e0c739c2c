#include "FileExport.h"

#include <QFileInfo>

#include "WholeFileWrite.h"

FileExport::FileExport(MessageService& messages, FileDialogService& files)
    : messages_(messages), files_(files) {}

bool FileExport::Save(const FileDialogRequest& request, const QString& suffix,
                      const std::function<QByteArray()>& render) {
  const std::optional<QString> chosen = files_.GetSaveFileName(request);
  if (!chosen) return false;
  QString path = *chosen;
  if (QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
    path += QLatin1Char('.') + suffix;
  if (QFileInfo::exists(path) && !messages_.AskYesNo(tr("Soubor existuje mam ho prepsat?"))) {
    return false;
  }
  switch (WriteWholeFile(path, render())) {
    case WriteOutcome::Written:
      return true;
    case WriteOutcome::NotOpened:
      messages_.Inform(tr("Tento soubor nejde otevrit"));
      return false;
    case WriteOutcome::NotWritten:
      messages_.Show(QString(), tr("Soubor nejde ulozit"), MessageButtons::Ok);
      return false;
  }
  return false;
}
