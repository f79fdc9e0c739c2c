#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "Platform.h"
#include "ReportFormats.h"
#include "ReportPages.h"
#include "Schema.h"

class QAction;
class QPlainTextEdit;
class QPushButton;

// The report viewer: the decomposition and synthesis reports are written into
// it line by line, and the user prints them, previews their pages or exports
// them to a text, PDF, Markdown or LaTeX file.
class ReportWindow final : public QDialog {
  Q_OBJECT

 public:
  ReportWindow(MessageService& messages, FileDialogService& files, PrintService& printing,
               QWidget* parent = nullptr);

  // Appends one line at the end of the report.
  void addLine(const QString& line);
  // The schema whose dependency diagram the printed pages end with.
  void setDiagram(const Schema& schema);
  // Appends a report about `schema` and shows the window modally.
  void showReport(const Report& report, const Schema& schema);

  void printReport();
  void exportText();
  void exportPdf();
  void exportMarkdown();
  void exportLatex();
  void showPreview();

  // Every way of closing (Escape, the window frame, "&Zavri") empties the
  // report, so that the next report starts from nothing.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Sends the report to the printer; false when the job failed on the way.
  bool printPages();
  // The diagram as the pages show it, if the report has one.
  std::optional<ReportPicture> picture() const;
  // Writes an export whole, or says why not and keeps the old file.
  void saveWhole(const QString& path, const QByteArray& bytes);
  // Asks where, adds the suffix when the name has none, and writes the report
  // under its title in the format.
  void exportFormatted(ReportFormat format, const QString& dialog, const QString& caption,
                       const QString& filter, const QString& suffix);

  MessageService& messages_;
  FileDialogService& files_;
  PrintService& printing_;

  // The report as added, one entry a line; Memo1 shows exactly these lines.
  QStringList lines_;
  // The same report by its parts, for the formats that set it out.
  Report report_;
  std::optional<Schema> diagram_;

  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button_print = nullptr;
  QPushButton* Button_export = nullptr;
  QPushButton* Button_pdf = nullptr;
  QPushButton* Button_preview = nullptr;
  QPushButton* Button_markdown = nullptr;
  QPushButton* Button_latex = nullptr;
  QAction* a_print = nullptr;
  QAction* a_export = nullptr;
  QAction* a_pdf = nullptr;
  QAction* a_preview = nullptr;
  QAction* a_markdown = nullptr;
  QAction* a_latex = nullptr;
};
