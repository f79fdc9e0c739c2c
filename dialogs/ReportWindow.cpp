#include "ReportWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "DataMemo.h"
#include "DiagramPicture.h"
#include "Display.h"
#include "ReportPages.h"
#include "WholeFileWrite.h"

namespace {

QString PrintFailedText() {
  return ReportWindow::tr("Nejde zobrazit tiskovy dialog");
}
// The trailing double quote belongs to the stored filter.
QString ExportFilter() {
  return ReportWindow::tr("Text files (*.txt)|*.TXT\"");
}
const QString kPdfFilter = QStringLiteral("PDF (*.pdf)|*.PDF");
const QString kPdfSuffix = QStringLiteral("pdf");

}  // namespace

ReportWindow::ReportWindow(MessageService& messages, FileDialogService& files,
                           PrintService& printing, QWidget* parent)
    : QDialog(parent), messages_(messages), files_(files), printing_(printing) {
  setObjectName(QStringLiteral("Form_Print"));
  setWindowTitle(tr("Schemario - Tiskovy formular"));

  a_print = new QAction(tr("&Tisk"), this);
  a_print->setObjectName(QStringLiteral("a_print"));
  a_print->setStatusTip(tr("Vytiskne data zobrazena ve formulari"));
  a_print->setToolTip(a_print->statusTip());
  connect(a_print, &QAction::triggered, this, &ReportWindow::printReport);

  a_export = new QAction(tr("E&xport"), this);
  a_export->setObjectName(QStringLiteral("a_export"));
  a_export->setStatusTip(tr("Ulozi data z formulare do formatu txt"));
  a_export->setToolTip(a_export->statusTip());
  connect(a_export, &QAction::triggered, this, &ReportWindow::exportText);

  a_pdf = new QAction(tr("Do &PDF"), this);
  a_pdf->setObjectName(QStringLiteral("a_pdf"));
  a_pdf->setStatusTip(tr("Ulozi data z formulare jako stranky PDF, stejne jako by se tiskly"));
  a_pdf->setToolTip(a_pdf->statusTip());
  connect(a_pdf, &QAction::triggered, this, &ReportWindow::exportPdf);

  a_markdown = new QAction(tr("Do &Markdownu"), this);
  a_markdown->setObjectName(QStringLiteral("a_markdown"));
  a_markdown->setStatusTip(tr("Ulozi data z formulare jako Markdown s tabulkami klicu a mnozin"));
  a_markdown->setToolTip(a_markdown->statusTip());
  connect(a_markdown, &QAction::triggered, this, &ReportWindow::exportMarkdown);

  a_latex = new QAction(tr("Do &LaTeXu"), this);
  a_latex->setObjectName(QStringLiteral("a_latex"));
  a_latex->setStatusTip(tr("Ulozi data z formulare jako kus LaTeXu pro vlozeni do dokumentu"));
  a_latex->setToolTip(a_latex->statusTip());
  connect(a_latex, &QAction::triggered, this, &ReportWindow::exportLatex);

  a_preview = new QAction(tr("&Nahled"), this);
  a_preview->setObjectName(QStringLiteral("a_preview"));
  a_preview->setStatusTip(tr("Ukaze stranky tak, jak se vytisknou"));
  a_preview->setToolTip(a_preview->statusTip());
  connect(a_preview, &QAction::triggered, this, &ReportWindow::showPreview);

  auto* menu = new QMenuBar(this);
  menu->setObjectName(QStringLiteral("MainMenu1"));
  menu->addAction(a_print);
  menu->addAction(a_export);
  menu->addAction(a_pdf);
  menu->addAction(a_markdown);
  menu->addAction(a_latex);
  menu->addAction(a_preview);
  QAction* zavri = menu->addAction(tr("&Zavri"));
  zavri->setObjectName(QStringLiteral("Zavri1"));
  connect(zavri, &QAction::triggered, this, &QDialog::reject);

  // A line wider than the screen wraps at its blanks, as on the printed
  // page, so that all of it is read without scrolling sideways.
  Memo1 = new DataMemo(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setWordWrapMode(QTextOption::WordWrap);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SetBackground(*Memo1, colours::Light3D());

  Button_print = new QPushButton(tr("&Vytisknout data"), this);
  Button_print->setObjectName(QStringLiteral("Button_print"));
  Button_print->setToolTip(a_print->statusTip());
  Button_print->setAutoDefault(false);
  connect(Button_print, &QPushButton::clicked, a_print, &QAction::trigger);

  Button_export = new QPushButton(tr("Vye&xportovat data"), this);
  Button_export->setObjectName(QStringLiteral("Button_export"));
  Button_export->setToolTip(a_export->statusTip());
  Button_export->setAutoDefault(false);
  connect(Button_export, &QPushButton::clicked, a_export, &QAction::trigger);

  Button_pdf = new QPushButton(tr("Ulozit do P&DF"), this);
  Button_pdf->setObjectName(QStringLiteral("Button_pdf"));
  Button_pdf->setToolTip(a_pdf->statusTip());
  Button_pdf->setAutoDefault(false);
  connect(Button_pdf, &QPushButton::clicked, a_pdf, &QAction::trigger);

  Button_markdown = new QPushButton(tr("Ulozit do Mar&kdownu"), this);
  Button_markdown->setObjectName(QStringLiteral("Button_markdown"));
  Button_markdown->setToolTip(a_markdown->statusTip());
  Button_markdown->setAutoDefault(false);
  connect(Button_markdown, &QPushButton::clicked, a_markdown, &QAction::trigger);

  Button_latex = new QPushButton(tr("Ulozit do &LaTeXu"), this);
  Button_latex->setObjectName(QStringLiteral("Button_latex"));
  Button_latex->setToolTip(a_latex->statusTip());
  Button_latex->setAutoDefault(false);
  connect(Button_latex, &QPushButton::clicked, a_latex, &QAction::trigger);

  Button_preview = new QPushButton(tr("Nahled &tisku"), this);
  Button_preview->setObjectName(QStringLiteral("Button_preview"));
  Button_preview->setToolTip(a_preview->statusTip());
  Button_preview->setAutoDefault(false);
  connect(Button_preview, &QPushButton::clicked, a_preview, &QAction::trigger);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Button_print);
  buttons->addWidget(Button_export);
  buttons->addWidget(Button_pdf);
  buttons->addWidget(Button_markdown);
  buttons->addWidget(Button_latex);
  buttons->addWidget(Button_preview);
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menu);
  layout->addWidget(Memo1, 1);
  layout->addLayout(buttons);
  resize(560, 480);
}

void ReportWindow::addLine(const QString& line) {
  report_.push_back(TextPart(ReportPart::Kind::Lines, {line.toStdString()}));
  lines_.append(line);
  AppendLine(*Memo1, BreakableAtBlanks(line));
}

void ReportWindow::setDiagram(const Schema& schema) {
  diagram_ = schema;
}

std::optional<ReportPicture> ReportWindow::picture() const {
  if (!diagram_) return std::nullopt;
  // Drawn in the window's font and scaled to the page as a whole, so the
  // names keep their size against the boxes and arrows.
  auto drawing =
      std::make_shared<DiagramPicture>(diagram_->dependencies, diagram_->attributes, font());
  const QSize size = drawing->size();
  if (size.width() <= 2 * size.height()) {
    return ReportPicture{size, [drawing](QPainter& painter) { drawing->paint(painter); }};
  }
  // A long row of attributes runs down the length of the page, turned a
  // quarter clockwise, where it gets half as much room again as across it.
  return ReportPicture{size.transposed(), [drawing, size](QPainter& painter) {
                         painter.translate(size.height(), 0);
                         painter.rotate(90);
                         drawing->paint(painter);
                       }};
}

void ReportWindow::showReport(const Report& report, const Schema& schema) {
  setDiagram(schema);
  for (const std::string& line : TextLines(report)) {
    lines_.append(ToText(line));
    AppendLine(*Memo1, BreakableAtBlanks(lines_.back()));
  }
  report_.insert(report_.end(), report.begin(), report.end());
  exec();
}

bool ReportWindow::printPages() {
  std::unique_ptr<PrinterCanvas> canvas = printing_.BeginJob();
  if (!canvas) return false;
  const bool painted = PaintReportPages(*canvas, lines_, picture());
  return canvas->End() && painted;
}

void ReportWindow::exportPdf() {
  const std::optional<QString> chosen =
      files_.GetSaveFileName({QStringLiteral("Save_Dialog_Pdf"), tr("Export do PDF"), kPdfFilter});
  if (!chosen) return;
  QString path = *chosen;
  if (QFileInfo(path).suffix().compare(kPdfSuffix, Qt::CaseInsensitive) != 0) {
    path += QLatin1Char('.') + kPdfSuffix;
  }
  if (QFileInfo::exists(path) && !messages_.AskYesNo(tr("Soubor existuje mam ho prepsat?"))) {
    return;
  }
  QByteArray document;
  std::unique_ptr<PrinterCanvas> canvas = printing_.BeginPdfJob(document);
  const bool painted = canvas && PaintReportPages(*canvas, lines_, picture());
  if (!canvas || !canvas->End() || !painted) {
    messages_.Show(QString(), tr("Soubor nejde ulozit"), MessageButtons::Ok);
    return;
  }
  saveWhole(path, document);
}

void ReportWindow::showPreview() {
  printing_.ShowPreview(QStringLiteral("PrintPreview1"), [this](PrinterCanvas& canvas) {
    PaintReportPages(canvas, lines_, picture());
  });
}

void ReportWindow::printReport() {
  switch (printing_.ShowPrintDialog(QStringLiteral("PrintDialog1"))) {
    case PrintDialogResult::Cancelled:
      return;
    case PrintDialogResult::Failed:
      messages_.Show(QString(), PrintFailedText(), MessageButtons::Ok);
      return;
    case PrintDialogResult::Accepted:
      break;
  }
  if (!printPages()) messages_.Show(QString(), PrintFailedText(), MessageButtons::Ok);
}

void ReportWindow::exportText() {
  const std::optional<QString> chosen = files_.GetSaveFileName(
      {QStringLiteral("Save_Dialog_1"), tr("Export to txt"), ExportFilter()});
  if (!chosen) return;
  const QString& path = *chosen;
  if (QFileInfo::exists(path) && !messages_.AskYesNo(tr("Soubor existuje mam ho prepsat?"))) {
    return;
  }
  // Report lines carry attribute names, which may hold Czech letters; the
  // export is UTF-8, the usual encoding of text files here.
  QByteArray bytes = ReportTitle().toUtf8();
  bytes.append('\n');
  for (const QString& line : lines_) {
    bytes.append(line.toUtf8());
    bytes.append('\n');
  }
  saveWhole(path, bytes);
}

void ReportWindow::exportMarkdown() {
  exportFormatted(ReportFormat::Markdown, QStringLiteral("Save_Dialog_Markdown"),
                  tr("Export do Markdownu"), QStringLiteral("Markdown (*.md)|*.MD"),
                  QStringLiteral("md"));
}

void ReportWindow::exportLatex() {
  exportFormatted(ReportFormat::Latex, QStringLiteral("Save_Dialog_Latex"), tr("Export do LaTeXu"),
                  QStringLiteral("LaTeX (*.tex)|*.TEX"), QStringLiteral("tex"));
}

void ReportWindow::exportFormatted(ReportFormat format, const QString& dialog,
                                   const QString& caption, const QString& filter,
                                   const QString& suffix) {
  const std::optional<QString> chosen = files_.GetSaveFileName({dialog, caption, filter});
  if (!chosen) return;
  QString path = *chosen;
  if (QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
    path += QLatin1Char('.') + suffix;
  if (QFileInfo::exists(path) && !messages_.AskYesNo(tr("Soubor existuje mam ho prepsat?"))) {
    return;
  }
  Report titled{TextPart(ReportPart::Kind::Title, {ReportTitle().toStdString()})};
  titled.insert(titled.end(), report_.begin(), report_.end());
  saveWhole(path, FormatReport(titled, format).toUtf8());
}

void ReportWindow::saveWhole(const QString& path, const QByteArray& bytes) {
  switch (WriteWholeFile(path, bytes)) {
    case WriteOutcome::Written:
      return;
    case WriteOutcome::NotOpened:
      messages_.Inform(tr("Tento soubor nejde otevrit"));
      return;
    case WriteOutcome::NotWritten:
      messages_.Show(QString(), tr("Soubor nejde ulozit"), MessageButtons::Ok);
      return;
  }
}

void ReportWindow::showEvent(QShowEvent* event) {
  // A report is read from its beginning.
  Memo1->moveCursor(QTextCursor::Start);
  Memo1->ensureCursorVisible();
  // The window opens as wide as the report's longest line, up to the screen;
  // it never shrinks below the size the student gave it.
  const int wanted = width() - Memo1->width() + WholeLinesWidth(*Memo1);
  if (wanted > width()) resize(std::min(wanted, screen()->availableGeometry().width()), height());
  QDialog::showEvent(event);
}

void ReportWindow::done(int result) {
  lines_.clear();
  report_.clear();
  diagram_.reset();
  Memo1->clear();
  QDialog::done(result);
}
