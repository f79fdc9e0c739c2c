#include "QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
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
    case MessageButtons::YesNoCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
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

namespace {

std::optional<QString> RunFileDialog(const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
  QFileDialog dialog(QApplication::activeWindow(), request.title, request.folder,
                     ToolkitFilter(request.filter));
  dialog.setObjectName(request.name);
  dialog.setAcceptMode(mode);
  if (mode == QFileDialog::AcceptOpen) {
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    // The program asks its own overwrite question and adds its own extension.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> QtFileDialogService::GetOpenFileName(const FileDialogRequest& request) {
  return RunFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtFileDialogService::GetSaveFileName(const FileDialogRequest& request) {
  return RunFileDialog(request, QFileDialog::AcceptSave);
}

namespace {

class QtPrinterCanvas final : public PrinterCanvas {
 public:
  explicit QtPrinterCanvas(QPrinter& printer) : printer_(printer), painter_(&printer) {}
  // A job on a printer of its own, such as a PDF file.
  explicit QtPrinterCanvas(std::unique_ptr<QPrinter> printer)
      : owned_(std::move(printer)), printer_(*owned_), painter_(&printer_) {}

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
  int TextWidth(const QString& text) const override {
    return QFontMetrics(painter_.font(), &printer_).horizontalAdvance(text);
  }
  int PageWidth() const override { return printer_.width(); }
  bool NewPage() override { return printer_.newPage(); }
  bool End() override { return painter_.end(); }

 private:
  std::unique_ptr<QPrinter> owned_;
  QPrinter& printer_;
  QPainter painter_;
};

}  // namespace

// The report places its lines in printer units: 47 lines of 12 points at a
// pitch of 30 units fill an A4 or Letter page at 150 units an inch.
QtPrintService::QtPrintService() {
  printer_.setResolution(150);
}

PrintDialogResult QtPrintService::ShowPrintDialog(const QString& name) {
  QPrintDialog dialog(&printer_, QApplication::activeWindow());
  dialog.setObjectName(name);
  return dialog.exec() == QDialog::Accepted ? PrintDialogResult::Accepted
                                            : PrintDialogResult::Cancelled;
}

std::unique_ptr<PrinterCanvas> QtPrintService::BeginJob() {
  auto canvas = std::make_unique<QtPrinterCanvas>(printer_);
  if (!canvas->IsActive()) return nullptr;
  return canvas;
}

std::unique_ptr<PrinterCanvas> QtPrintService::BeginPdfJob(const QString& path) {
  auto pdf = std::make_unique<QPrinter>();
  pdf->setOutputFormat(QPrinter::PdfFormat);
  pdf->setResolution(printer_.resolution());
  pdf->setPageLayout(printer_.pageLayout());
  pdf->setOutputFileName(path);
  auto canvas = std::make_unique<QtPrinterCanvas>(std::move(pdf));
  if (!canvas->IsActive()) return nullptr;
  return canvas;
}

void QtPrintService::ShowPreview(const QString& name,
                                 const std::function<void(PrinterCanvas&)>& paint) {
  QPrintPreviewDialog dialog(&printer_, QApplication::activeWindow());
  dialog.setObjectName(name);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&paint](QPrinter* printer) {
    QtPrinterCanvas canvas(*printer);
    paint(canvas);
    canvas.End();
  });
  dialog.exec();
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
