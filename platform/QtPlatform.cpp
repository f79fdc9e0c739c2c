#include "QtPlatform.h"

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QStringList>
#include <optional>

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

std::optional<QString> RunFileDialog(const FileDialogRequest& request, const QString& folder,
                                     QFileDialog::AcceptMode mode) {
  QFileDialog dialog(QApplication::activeWindow(), request.title, folder,
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
  std::optional<QString> chosen =
      RunFileDialog(request, folder_.ForOpening(), QFileDialog::AcceptOpen);
  if (chosen) folder_.Remember(*chosen);
  return chosen;
}

std::optional<QString> QtFileDialogService::GetSaveFileName(const FileDialogRequest& request) {
  std::optional<QString> chosen =
      RunFileDialog(request, folder_.ForSaving(), QFileDialog::AcceptSave);
  if (chosen) folder_.Remember(*chosen);
  return chosen;
}

namespace {

class QtPrinterCanvas final : public PrinterCanvas {
 public:
  explicit QtPrinterCanvas(QPagedPaintDevice& device) : device_(device), painter_(&device) {}

  bool IsActive() const { return painter_.isActive(); }

  void SetFont(int pointSize, bool bold) override {
    QFont font = painter_.font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    painter_.setFont(font);
  }
  void DrawText(int x, int y, const QString& text) override {
    // The position is the text's top-left corner, as on the program's canvas.
    const QFontMetrics metrics(painter_.font(), &device_);
    painter_.drawText(x, y + metrics.ascent(), text);
  }
  int TextWidth(const QString& text) const override {
    return QFontMetrics(painter_.font(), &device_).horizontalAdvance(text);
  }
  int PageWidth() const override { return device_.width(); }
  void DrawPicture(int x, int y, int width, QSize size,
                   const std::function<void(QPainter&)>& paint) override {
    if (size.isEmpty()) return;
    painter_.save();
    painter_.translate(x, y);
    const qreal scale = static_cast<qreal>(width) / size.width();
    painter_.scale(scale, scale);
    paint(painter_);
    painter_.restore();
  }
  bool NewPage() override { return device_.newPage(); }
  bool End() override { return painter_.end(); }

 private:
  QPagedPaintDevice& device_;
  QPainter painter_;
};

// A PDF document written into memory; the caller stores it as a whole, so
// that a full disk never leaves half a document in place of an old file.
class PdfCanvas final : public PrinterCanvas {
 public:
  PdfCanvas(QByteArray& document, int resolution, const QPageLayout& layout)
      : buffer_(&document), writer_(&buffer_) {
    buffer_.open(QIODevice::WriteOnly);
    writer_.setResolution(resolution);
    writer_.setPageLayout(layout);
    writer_.setCreator(QApplication::applicationName());
    canvas_.emplace(writer_);
  }

  bool IsActive() const { return canvas_->IsActive(); }
  void SetFont(int pointSize, bool bold) override { canvas_->SetFont(pointSize, bold); }
  void DrawText(int x, int y, const QString& text) override { canvas_->DrawText(x, y, text); }
  int TextWidth(const QString& text) const override { return canvas_->TextWidth(text); }
  int PageWidth() const override { return canvas_->PageWidth(); }
  void DrawPicture(int x, int y, int width, QSize size,
                   const std::function<void(QPainter&)>& paint) override {
    canvas_->DrawPicture(x, y, width, size, paint);
  }
  bool NewPage() override { return canvas_->NewPage(); }
  bool End() override { return canvas_->End(); }

 private:
  QBuffer buffer_;
  QPdfWriter writer_;
  // Made after the writer is set up, since a painter fixes the page layout
  // when it begins.
  std::optional<QtPrinterCanvas> canvas_;
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

std::unique_ptr<PrinterCanvas> QtPrintService::BeginPdfJob(QByteArray& document) {
  auto canvas = std::make_unique<PdfCanvas>(document, printer_.resolution(), printer_.pageLayout());
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
