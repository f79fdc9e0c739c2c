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
  menu->addAction(a_preview);
  QAction* zavri = menu->addAction(tr("&Zavri"));
  zavri->setObjectName(QStringLiteral("Zavri1"));
  connect(zavri, &QAction::triggered, this, &QDialog::reject);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
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
  buttons->addWidget(Button_preview);
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menu);
  layout->addWidget(Memo1, 1);
  layout->addLayout(buttons);
  resize(560, 480);
}

void ReportWindow::addLine(const QString& line) {
  lines_.append(line);
  AppendLine(*Memo1, line);
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

void ReportWindow::showReport(const std::vector<std::string>& lines, const Schema& schema) {
  setDiagram(schema);
  for (const std::string& line : lines)
    addLine(ToText(line));
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
  diagram_.reset();
  Memo1->clear();
  QDialog::done(result);
}
