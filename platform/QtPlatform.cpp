#include "QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QStringList>

QString ToolkitFilter(const QString& storedFilter) {
  const QStringList parts = storedFilter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    // A double quote cannot occur in a file name pattern; the export filter
    // carries one at its end, and left in place it would match no file.
    const QString pattern = QString(parts[i + 1]).remove(QLatin1Char('"'));
    filters << QStringLiteral("%1 (%2)").arg(parts[i], pattern);
  }
  return filters.join(QStringLiteral(";;"));
}

MessageAnswer QtMessageService::Show(const QString& caption, const QString& text,
                                     MessageButtons buttons) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(caption);
  box.setText(text);
  switch (buttons) {
    case MessageButtons::Ok:
      box.setIcon(QMessageBox::Information);
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageButtons::YesNo:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      break;
    case MessageButtons::OkCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Ok:
      return MessageAnswer::Ok;
    default:
      // Closing a question box by its frame or Escape declines it.
      return buttons == MessageButtons::YesNo ? MessageAnswer::No
             : buttons == MessageButtons::Ok  ? MessageAnswer::Ok
                                              : MessageAnswer::Cancel;
  }
}

std::optional<QString> QtFileDialogService::GetOpenFileName(const QString& title,
                                                            const QString& folder,
                                                            const QString& filter) {
  const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder,
                                                    ToolkitFilter(filter));
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QString> QtFileDialogService::GetSaveFileName(const QString& title,
                                                            const QString& folder,
                                                            const QString& filter) {
  // The program asks its own overwrite question and adds its own extension.
  const QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), title, folder,
                                                    ToolkitFilter(filter), nullptr,
                                                    QFileDialog::DontConfirmOverwrite);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

namespace {

class QtPrinterCanvas final : public PrinterCanvas {
 public:
  explicit QtPrinterCanvas(QPrinter& printer) : printer_(printer), painter_(&printer) {}

  bool IsActive() const { return painter_.isActive(); }

  void SetFont(int pointSize, bool bold) override {
    QFont font = painter_.font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    painter_.setFont(font);
  }
  void DrawText(int x, int y, const QString& text) override {
    // The position is the text's top-left corner, as on the program's canvas.
    const QFontMetrics metrics(painter_.font(), &printer_);
    painter_.drawText(x, y + metrics.ascent(), text);
  }
  bool NewPage() override { return printer_.newPage(); }
  bool End() override { return painter_.end(); }

 private:
  QPrinter& printer_;
  QPainter painter_;
};

}  // namespace

// The report places its lines in printer units: 47 lines of 12 points at a
// pitch of 30 units fill an A4 or Letter page at 150 units an inch.
QtPrintService::QtPrintService() {
  printer_.setResolution(150);
}

PrintDialogResult QtPrintService::ShowPrintDialog() {
  QPrintDialog dialog(&printer_, QApplication::activeWindow());
  return dialog.exec() == QDialog::Accepted ? PrintDialogResult::Accepted
                                            : PrintDialogResult::Cancelled;
}

std::unique_ptr<PrinterCanvas> QtPrintService::BeginJob() {
  auto canvas = std::make_unique<QtPrinterCanvas>(printer_);
  if (!canvas->IsActive()) return nullptr;
  return canvas;
}

void QtErrorDisplay::ShowError(const QString& text) {
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
}

QtRandomSource::QtRandomSource()
    : generator_(static_cast<quint32>(QDateTime::currentSecsSinceEpoch())) {}

int QtRandomSource::Random(int range) {
  if (range < 1) return 0;
  return static_cast<int>(generator_.bounded(static_cast<quint32>(range)));
}
