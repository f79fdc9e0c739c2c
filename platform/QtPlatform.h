#pragma once

#include <QPrinter>
#include <QRandomGenerator>

#include "Platform.h"
#include "StartingFolder.h"

class QWidget;

// Turns a stored filter ("Schemario|*.DBC") into the toolkit's form
// ("Schemario (*.DBC)").
QString ToolkitFilter(const QString& storedFilter);

class QtMessageService final : public MessageService {
 public:
  MessageAnswer Show(const QString& caption, const QString& text, MessageButtons buttons) override;
};

class QtFileDialogService final : public FileDialogService {
 public:
  explicit QtFileDialogService(QSettings& settings) : folder_(settings) {}
  std::optional<QString> GetOpenFileName(const FileDialogRequest& request) override;
  std::optional<QString> GetSaveFileName(const FileDialogRequest& request) override;

 private:
  StartingFolder folder_;
};

class QtPrintService final : public PrintService {
 public:
  QtPrintService();
  PrintDialogResult ShowPrintDialog(const QString& name) override;
  std::unique_ptr<PrinterCanvas> BeginJob() override;
  std::unique_ptr<PrinterCanvas> BeginPdfJob(QByteArray& document) override;
  void ShowPreview(const QString& name, const std::function<void(PrinterCanvas&)>& paint) override;

  // The printer the dialog configures; tests point it at a PDF file.
  QPrinter& Printer() { return printer_; }

 private:
  QPrinter printer_;
};

class QtErrorDisplay final : public ErrorDisplay {
 public:
  void ShowError(const QString& text) override;
};

// Seeded from the current time in whole seconds.
class QtRandomSource final : public RandomSource {
 public:
  QtRandomSource();
  int Random(int range) override;

 private:
  QRandomGenerator generator_;
};

// One object holding the real services for the running program.
struct QtPlatform {
  explicit QtPlatform(QSettings& settings) : files(settings) {}

  QtMessageService messages;
  QtFileDialogService files;
  QtPrintService printing;
  QtErrorDisplay errors;
  QtRandomSource random;
};
