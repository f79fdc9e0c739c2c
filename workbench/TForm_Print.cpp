#include "TForm_Print.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "Display.h"
#include "SchemaFile.h"
#include "WholeFileWrite.h"

namespace {

const QString kTitle = QStringLiteral("Schemario");
QString PrintFailedText() {
  return TForm_Print::tr("Nejde zobrazit tiskovy dialog");
}
// The trailing double quote belongs to the stored filter.
QString ExportFilter() {
  return TForm_Print::tr("Text files (*.txt)|*.TXT\"");
}
const QString kPdfFilter = QStringLiteral("PDF (*.pdf)|*.PDF");
const QString kPdfSuffix = QStringLiteral("pdf");

// Printer layout in printer units: the title once at the top of the first
// page, then 47 lines a page at a fixed pitch.
constexpr int kLeft = 150;
constexpr int kTitleTop = 50;
constexpr int kTitlePoints = 20;
constexpr int kLinePoints = 12;
constexpr int kFirstLineTop = 110;
constexpr int kLinePitch = 30;
constexpr int kLinesPerPage = 47;
// A line wider than the page goes on over further lines, indented by this
// much, so that no name is lost at the paper's edge.
constexpr int kContinuationIndent = 40;

// The side margins and the continuation indent of a page; on narrow paper
// (a receipt or label printer) they shrink with the page, so that text keeps
// at least most of the width.
struct PageMargins {
  int left;
  int indent;
  int room;  // the width of a first line
};

PageMargins MarginsFor(int pageWidth) {
  const int left = std::clamp(pageWidth / 8, 0, kLeft);
  const int room = std::max(1, pageWidth - 2 * left);
  return {left, std::min(kContinuationIndent, room / 4), room};
}

// The pieces `line` is printed in, the first within `room` and the others
// within `room - indent`: each broken after the last blank that fits, or
// within a word only when the piece would otherwise hold no word at all. A
// piece holds at least one character, so even a page narrower than a letter
// is finished.
QStringList PrintedPieces(const PrinterCanvas& canvas, QString rest, int room, int indent) {
  QStringList pieces;
  int width = room;
  while (rest.size() > 1 && canvas.TextWidth(rest) > width) {
    qsizetype fits = 1;
    while (canvas.TextWidth(rest.left(fits + 1)) <= width)
      ++fits;
    const qsizetype blank = rest.lastIndexOf(QLatin1Char(' '), fits);
    const bool word = blank > 0 && !rest.left(blank).trimmed().isEmpty();
    const qsizetype cut = word ? blank + 1 : fits;
    pieces << rest.left(cut);
    rest = rest.mid(cut);
    width = room - indent;
  }
  pieces << rest;
  return pieces;
}

}  // namespace

TForm_Print::TForm_Print(MessageService& messages, FileDialogService& files, PrintService& printing,
                         QWidget* parent)
    : QDialog(parent), messages_(messages), files_(files), printing_(printing) {
  setObjectName(QStringLiteral("Form_Print"));
  setWindowTitle(tr("Schemario - Tiskovy formular"));

  a_print = new QAction(tr("&Tisk"), this);
  a_print->setObjectName(QStringLiteral("a_print"));
  a_print->setStatusTip(tr("Vytiskne data zobrazena ve formulari"));
  a_print->setToolTip(a_print->statusTip());
  connect(a_print, &QAction::triggered, this, &TForm_Print::a_printExecute);

  a_export = new QAction(tr("E&xport"), this);
  a_export->setObjectName(QStringLiteral("a_export"));
  a_export->setStatusTip(tr("Ulozi data z formulare do formatu txt"));
  a_export->setToolTip(a_export->statusTip());
  connect(a_export, &QAction::triggered, this, &TForm_Print::a_exportExecute);

  a_pdf = new QAction(tr("Do &PDF"), this);
  a_pdf->setObjectName(QStringLiteral("a_pdf"));
  a_pdf->setStatusTip(tr("Ulozi data z formulare jako stranky PDF, stejne jako by se tiskly"));
  a_pdf->setToolTip(a_pdf->statusTip());
  connect(a_pdf, &QAction::triggered, this, &TForm_Print::a_pdfExecute);

  a_preview = new QAction(tr("&Nahled"), this);
  a_preview->setObjectName(QStringLiteral("a_preview"));
  a_preview->setStatusTip(tr("Ukaze stranky tak, jak se vytisknou"));
  a_preview->setToolTip(a_preview->statusTip());
  connect(a_preview, &QAction::triggered, this, &TForm_Print::a_previewExecute);

  auto* menu = new QMenuBar(this);
  menu->setObjectName(QStringLiteral("MainMenu1"));
  menu->addAction(a_print);
  menu->addAction(a_export);
  menu->addAction(a_pdf);
  menu->addAction(a_preview);
  QAction* zavri = menu->addAction(tr("&Zavri"));
  zavri->setObjectName(QStringLiteral("Zavri1"));
  connect(zavri, &QAction::triggered, this, &TForm_Print::Zavri1Click);

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

void TForm_Print::AddReportLine(const QString& line) {
  lines_.append(line);
  AppendLine(*Memo1, line);
}

void TForm_Print::ShowReport(const std::vector<std::string>& lines) {
  for (const std::string& line : lines)
    AddReportLine(ToText(line));
  exec();
}

bool TForm_Print::PaintReport(PrinterCanvas& canvas) const {
  const PageMargins margins = MarginsFor(canvas.PageWidth());
  canvas.SetFont(kTitlePoints, true);
  canvas.DrawText(margins.left, kTitleTop, kTitle);
  canvas.SetFont(kLinePoints, false);
  int row = 0;
  for (const QString& line : lines_) {
    const QStringList pieces = PrintedPieces(canvas, line, margins.room, margins.indent);
    for (qsizetype k = 0; k < pieces.size(); ++k) {
      if (row == kLinesPerPage) {
        if (!canvas.NewPage()) return false;
        row = 0;
      }
      const int indent = k == 0 ? 0 : margins.indent;
      canvas.DrawText(margins.left + indent, kFirstLineTop + kLinePitch * row, pieces[k]);
      ++row;
    }
  }
  return true;
}

bool TForm_Print::PrintReport() {
  std::unique_ptr<PrinterCanvas> canvas = printing_.BeginJob();
  if (!canvas) return false;
  const bool painted = PaintReport(*canvas);
  return canvas->End() && painted;
}

void TForm_Print::a_pdfExecute() {
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
  const bool painted = canvas && PaintReport(*canvas);
  if (!canvas || !canvas->End() || !painted) {
    messages_.Show(QString(), tr("Soubor nejde ulozit"), MessageButtons::Ok);
    return;
  }
  SaveWhole(path, document);
}

void TForm_Print::a_previewExecute() {
  printing_.ShowPreview(QStringLiteral("PrintPreview1"),
                        [this](PrinterCanvas& canvas) { PaintReport(canvas); });
}

void TForm_Print::a_printExecute() {
  switch (printing_.ShowPrintDialog(QStringLiteral("PrintDialog1"))) {
    case PrintDialogResult::Cancelled:
      return;
    case PrintDialogResult::Failed:
      messages_.Show(QString(), PrintFailedText(), MessageButtons::Ok);
      return;
    case PrintDialogResult::Accepted:
      break;
  }
  if (!PrintReport()) messages_.Show(QString(), PrintFailedText(), MessageButtons::Ok);
}

void TForm_Print::a_exportExecute() {
  const std::optional<QString> chosen = files_.GetSaveFileName(
      {QStringLiteral("Save_Dialog_1"), tr("Export to txt"), ExportFilter()});
  if (!chosen) return;
  const QString& path = *chosen;
  if (QFileInfo::exists(path) && !messages_.AskYesNo(tr("Soubor existuje mam ho prepsat?"))) {
    return;
  }
  // Report lines carry attribute names, which may hold Czech letters; the
  // export is UTF-8, the usual encoding of text files here.
  QByteArray bytes = kTitle.toUtf8();
  bytes.append('\n');
  for (const QString& line : lines_) {
    bytes.append(line.toUtf8());
    bytes.append('\n');
  }
  SaveWhole(path, bytes);
}

void TForm_Print::SaveWhole(const QString& path, const QByteArray& bytes) {
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

void TForm_Print::showEvent(QShowEvent* event) {
  // A report is read from its beginning.
  Memo1->moveCursor(QTextCursor::Start);
  Memo1->ensureCursorVisible();
  // The window opens as wide as the report's longest line, up to the screen;
  // it never shrinks below the size the student gave it.
  const int wanted = width() - Memo1->width() + WholeLinesWidth(*Memo1);
  if (wanted > width()) resize(std::min(wanted, screen()->availableGeometry().width()), height());
  QDialog::showEvent(event);
}

void TForm_Print::Zavri1Click() {
  reject();
}

void TForm_Print::FormClose() {
  lines_.clear();
  Memo1->clear();
}

void TForm_Print::done(int result) {
  FormClose();
  QDialog::done(result);
}
