#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QtTest>

#include "Display.h"
#include "GuiTestSupport.h"
#include "PrintedOperations.h"
#include "QtPlatform.h"
#include "ReportPages.h"
#include "ReportWindow.h"
#include "Reports.h"
#include "SchemaText.h"

namespace {

const QString kCaption = QStringLiteral("Schemario");

void AddLines(ReportWindow& form, int count) {
  for (int i = 0; i < count; ++i)
    form.addLine(QStringLiteral("line %1").arg(i));
}

// Page objects of a PDF file as Qt writes it: "/Type /Page" entries.
int PdfPages(const QByteArray& pdf) {
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s])"));
  int pages = 0;
  auto it = page.globalMatch(QString::fromLatin1(pdf));
  while (it.hasNext()) {
    it.next();
    ++pages;
  }
  return pages;
}

}  // namespace

class PrintWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

 private slots:
  void controlsCaptionsAndMenu() {
    TestBench t;
    ReportWindow& form = t.windows.reportWindow();
    QCOMPARE(form.windowTitle(), QStringLiteral("Schemario - Tiskovy formular"));
    auto* memo = Find<QPlainTextEdit>(form, "Memo1");
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(Background(*memo), colours::Light3D());
    auto* print = Find<QPushButton>(form, "Button_print");
    auto* exportButton = Find<QPushButton>(form, "Button_export");
    QCOMPARE(print->text(), QStringLiteral("&Vytisknout data"));
    QCOMPARE(print->toolTip(), QStringLiteral("Vytiskne data zobrazena ve formulari"));
    QCOMPARE(exportButton->text(), QStringLiteral("Vye&xportovat data"));
    QCOMPARE(exportButton->toolTip(), QStringLiteral("Ulozi data z formulare do formatu txt"));
    QStringList menu;
    for (QAction* a : Find<QMenuBar>(form, "MainMenu1")->actions())
      menu << a->objectName() + "=" + a->text();
    QCOMPARE(menu, QStringList({"a_print=&Tisk", "a_export=E&xport", "a_pdf=Do &PDF",
                                "a_markdown=Do &Markdownu", "a_latex=Do &LaTeXu",
                                "a_preview=&Nahled", "Zavri1=&Zavri"}));
  }

  void reportLinesAreShownInOrder() {
    TestBench t;
    ReportWindow& form = t.windows.reportWindow();
    form.addLine(QStringLiteral("R1 = { A B }"));
    form.addLine(QString());
    form.addLine(QStringLiteral("A -> B"));
    QCOMPARE(MemoLines(*Find<QPlainTextEdit>(form, "Memo1")),
             QStringList({"R1 = { A B }", "", "A -> B"}));
  }

  void closingEmptiesTheReport_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("Zavri") << 0;
    QTest::newRow("window frame") << 1;
    QTest::newRow("Escape") << 2;
  }

  void closingEmptiesTheReport() {
    QFETCH(int, way);
    TestBench t;
    ReportWindow& form = t.windows.reportWindow();
    AddLines(form, 3);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    if (way == 0) Find<QAction>(form, "Zavri1")->trigger();
    if (way == 1) form.close();
    if (way == 2) QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
    auto* memo = Find<QPlainTextEdit>(form, "Memo1");
    QCOMPARE(memo->toPlainText(), QString());

    // Opened again, it shows only what is added afterwards, and prints only
    // that.
    form.addLine(QStringLiteral("line 0"));
    QCOMPARE(MemoLines(*memo), QStringList({"line 0"}));
    form.printReport();
    QCOMPARE(Operations(t.platform.printed).filter(QStringLiteral("text ")),
             QStringList({"text 0,50 Schemario", "text 0,110 line 0"}));
  }

  void thePrintButtonPrintsThroughTheDialog() {
    TestBench t;
    ReportWindow& form = t.windows.reportWindow();
    AddLines(form, 48);
    Find<QPushButton>(form, "Button_print")->click();
    QCOMPARE(t.platform.printDialogNames, std::vector<QString>{"PrintDialog1"});
    QCOMPARE(Operations(t.platform.printed).count(QStringLiteral("page")), 1);
    QCOMPARE(Operations(t.platform.printed).back(), QStringLiteral("end"));
    QVERIFY(t.platform.messages.empty());
  }

  void printingFailures_data() {
    QTest::addColumn<int>("dialog");
    QTest::addColumn<bool>("failBegin");
    QTest::addColumn<bool>("failEnd");
    QTest::addColumn<bool>("reported");
    QTest::newRow("dialog cancelled")
        << int(PrintDialogResult::Cancelled) << false << false << false;
    QTest::newRow("dialog failed") << int(PrintDialogResult::Failed) << false << false << true;
    QTest::newRow("job cannot start") << int(PrintDialogResult::Accepted) << true << false << true;
    QTest::newRow("job fails at the end")
        << int(PrintDialogResult::Accepted) << false << true << true;
  }

  void printingFailures() {
    QFETCH(int, dialog);
    QFETCH(bool, failBegin);
    QFETCH(bool, failEnd);
    QFETCH(bool, reported);
    TestBench t;
    ReportWindow& form = t.windows.reportWindow();
    AddLines(form, 2);
    t.platform.printDialogAnswers.push_back(PrintDialogResult(dialog));
    t.platform.failBeginJob = failBegin;
    t.platform.failEndJob = failEnd;
    Find<QAction>(form, "a_print")->trigger();
    if (!reported) {
      QVERIFY(t.platform.messages.empty());
      QVERIFY(t.platform.printed.empty());
      return;
    }
    QCOMPARE(t.platform.messages.size(), std::size_t{1});
    QCOMPARE(t.platform.messages[0].caption, QString());
    QCOMPARE(t.platform.messages[0].text, QStringLiteral("Nejde zobrazit tiskovy dialog"));
    QCOMPARE(t.platform.messages[0].buttons, MessageButtons::Ok);
    // The report stays for another attempt.
    QCOMPARE(MemoLines(*Find<QPlainTextEdit>(form, "Memo1")).size(), 2);
  }

  void exportWritesTitleAndLinesWithLineFeeds() {
    TestBench t;
    ReportWindow& form = t.windows.reportWindow();
    form.addLine(QStringLiteral("R1 = { A B }"));
    form.addLine(QString());
    form.addLine(QStringLiteral(u"\u017elu\u0165ou\u010dk\u00fd -> k\u016f\u0148"));
    t.platform.paths.push_back(Path("report"));
    Find<QPushButton>(form, "Button_export")->click();
    QVERIFY(t.platform.messages.empty());
    // No extension is added, and the lines end in a bare line feed.
    QCOMPARE(ReadFileBytes(Path("report")),
             QByteArray("Schemario\nR1 = { A B }\n\n") +
                 QStringLiteral(u"\u017elu\u0165ou\u010dk\u00fd -> k\u016f\u0148\n").toUtf8());
    QVERIFY(!QFile::exists(Path("report.txt")));
    QCOMPARE(t.platform.fileDialogs.size(), std::size_t{1});
    const FileDialogCall& dialog = t.platform.fileDialogs[0];
    QVERIFY(dialog.save);
    QCOMPARE(dialog.name, QStringLiteral("Save_Dialog_1"));
    QCOMPARE(dialog.title, QStringLiteral("Export to txt"));
    QCOMPARE(dialog.filter, QStringLiteral("Text files (*.txt)|*.TXT\""));
  }

  // The report shown is written by its parts: the keys as a table, the
  // name gets the format's suffix.
  void exportsTheReportShownAsMarkdownAndLatex() {
    TestBench t;
    ReportWindow& form = t.windows.reportWindow();
    Schema schema;
    schema.SetAttributes(Names("ABC"));
    schema.ReplaceDependencies(Deps("AB->C; C->A"));
    QStringList notes;
    const Report keys = BuildReport(ReportKind::Keys, schema, notes);
    const struct {
      const char* button;
      const char* dialog;
      const char* written;
      QByteArray expected;
    } cases[] = {
        {"Button_markdown", "Save_Dialog_Markdown", "keys.md",
         "# Schemario\n\n| Klic |\n| --- |\n| {A, B} |\n| {B, C} |\n\n"},
        {"Button_latex", "Save_Dialog_Latex", "keys.tex",
         "\\section*{Schemario}\n\\begin{tabular}{l}\n\\hline\nKlic \\\\\n\\hline\n"
         "$\\{\\mbox{A}, \\mbox{B}\\}$ \\\\\n$\\{\\mbox{B}, \\mbox{C}\\}$ \\\\\n"
         "\\hline\n\\end{tabular}\\par\n"},
    };
    for (const auto& c : cases) {
      t.platform.paths.push_back(Path("keys"));
      QTimer::singleShot(0, &form, [&] {
        Find<QPushButton>(form, c.button)->click();
        form.reject();
      });
      form.showReport(keys, Schema{});
      QCOMPARE(t.platform.fileDialogs.back().name, QString::fromLatin1(c.dialog));
      QCOMPARE(ReadFileBytes(Path(c.written)), c.expected);
    }
    QVERIFY(t.platform.messages.empty());
  }

  void exportOfAnEmptyReportHoldsTheTitleOnly() {
    TestBench t;
    t.platform.paths.push_back(Path("empty.txt"));
    Find<QAction>(t.windows.reportWindow(), "a_export")->trigger();
    QCOMPARE(ReadFileBytes(Path("empty.txt")), QByteArray("Schemario\n"));
  }

  void exportOverAnExistingFileAsks() {
    TestBench t;
    ReportWindow& form = t.windows.reportWindow();
    form.addLine(QStringLiteral("new"));
    WriteFileBytes(Path("old.txt"), "old contents");

    t.platform.paths.push_back(Path("old.txt"));
    t.platform.answers.push_back(MessageAnswer::No);
    form.exportText();
    QCOMPARE(ReadFileBytes(Path("old.txt")), QByteArray("old contents"));
    QCOMPARE(t.platform.messages.size(), std::size_t{1});
    QCOMPARE(t.platform.messages[0].caption, kCaption);
    QCOMPARE(t.platform.messages[0].text, QStringLiteral("Soubor existuje mam ho prepsat?"));
    QCOMPARE(t.platform.messages[0].buttons, MessageButtons::YesNo);

    t.platform.paths.push_back(Path("old.txt"));
    t.platform.answers.push_back(MessageAnswer::Yes);
    form.exportText();
    QCOMPARE(ReadFileBytes(Path("old.txt")), QByteArray("Schemario\nnew\n"));
    QCOMPARE(t.platform.messages.size(), std::size_t{2});
    QCOMPARE(t.platform.unansweredQuestions, 0);
  }

  void exportRefusals() {
    TestBench t;
    ReportWindow& form = t.windows.reportWindow();
    form.addLine(QStringLiteral("x"));

    // Cancelled dialog: nothing happens.
    form.exportText();
    QVERIFY(t.platform.messages.empty());

    // A folder that does not exist cannot take the file.
    t.platform.paths.push_back(Path("no-such-folder/r.txt"));
    form.exportText();
    QCOMPARE(t.platform.messages.size(), std::size_t{1});
    QCOMPARE(t.platform.messages[0].caption, kCaption);
    QCOMPARE(t.platform.messages[0].text, QStringLiteral("Tento soubor nejde otevrit"));
    QCOMPARE(t.platform.messages[0].buttons, MessageButtons::Ok);
  }

  // A full disk or a file size limit: the report does not fit. The old file
  // stays byte for byte, and the failure is reported.
  void exportThatRunsOutOfSpaceKeepsTheOldFile() {
    TestBench t;
    ReportWindow& form = t.windows.reportWindow();
    AddLines(form, 500);
    WriteFileBytes(Path("full.txt"), "old contents");
    t.platform.paths.push_back(Path("full.txt"));
    t.platform.answers.push_back(MessageAnswer::Yes);
    const bool reported = RunInChild(4096, false, [&t, &form] {
      form.exportText();
      return t.platform.messages.size() == 2 && t.platform.messages[1].caption.isEmpty() &&
             t.platform.messages[1].text == QStringLiteral("Soubor nejde ulozit");
    });
    QVERIFY(reported);
    QCOMPARE(ReadFileBytes(Path("full.txt")), QByteArray("old contents"));
    QCOMPARE(QDir(dir_.path()).entryList({"full*"}, QDir::Files), QStringList({"full.txt"}));
  }

  // A folder the student may not add files to, holding a file he may write:
  // the export writes the file in place.
  void exportIntoAReadOnlyFolder() {
    QTemporaryDir top;
    const QString path = WritableFileInReadOnlyFolder(top, "r.txt", "old contents");
    TestBench t;
    ReportWindow& form = t.windows.reportWindow();
    form.addLine(QStringLiteral("new"));
    t.platform.paths.push_back(path);
    t.platform.answers.push_back(MessageAnswer::Yes);
    const bool written = RunInChild(-1, true, [&t, &form] {
      form.exportText();
      return t.platform.messages.size() == 1;  // only the overwrite question
    });
    QVERIFY(written);
    QCOMPARE(ReadFileBytes(path), QByteArray("Schemario\nnew\n"));
  }

  void toolkitFilterDropsTheStrayQuote() {
    QCOMPARE(ToolkitFilter(QStringLiteral("Text files (*.txt)|*.TXT\"")),
             QStringLiteral("Text files (*.txt) (*.TXT)"));
    QCOMPARE(ToolkitFilter(QStringLiteral("Schemario|*.DBC")), QStringLiteral("Schemario (*.DBC)"));
  }

  // The real printer path: the system print dialog, accepted as it comes up,
  // then QPrinter writing a PDF file.
  void realPrintToPdfHasTwoPagesFor48Lines() {
    ScriptedPlatform platform;
    QtPrintService printing;
    const QString pdf = Path("report.pdf");
    printing.Printer().setOutputFormat(QPrinter::PdfFormat);
    printing.Printer().setOutputFileName(pdf);
    ReportWindow form(platform, platform, printing);
    AddLines(form, 48);
    bool dialogSeen = false;
    QTimer::singleShot(0, [&dialogSeen] {
      auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      dialogSeen = dialog->objectName() == QStringLiteral("PrintDialog1");
      dialog->accept();
    });
    form.printReport();
    QVERIFY(dialogSeen);
    QVERIFY(platform.messages.empty());
    const QByteArray bytes = ReadFileBytes(pdf);
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(PdfPages(bytes), 2);
  }

  // The preview and the PDF file show the pages the printer would get.
  void previewAndPdfPaintThePrintedPages() {
    TestBench t;
    ReportWindow& form = t.windows.reportWindow();
    AddLines(form, 48);
    form.printReport();
    const QStringList printed = Operations(t.platform.printed);

    t.platform.printed.clear();
    Find<QAction>(form, "a_preview")->trigger();
    QCOMPARE(t.platform.previewNames, std::vector<QString>{"PrintPreview1"});
    QCOMPARE(Operations(t.platform.printed), printed);

    t.platform.printed.clear();
    t.platform.paths.push_back(Path("pages"));
    Find<QAction>(form, "a_pdf")->trigger();
    QCOMPARE(ReadFileBytes(Path("pages.pdf")), t.platform.pdfDocument);
    QCOMPARE(t.platform.fileDialogs.back().filter, QStringLiteral("PDF (*.pdf)|*.PDF"));
    QCOMPARE(Operations(t.platform.printed), printed);
    QVERIFY(t.platform.messages.empty());
  }

  void realPdfExportHasTwoPagesFor48Lines() {
    ScriptedPlatform platform;
    QtPrintService printing;
    ReportWindow form(platform, platform, printing);
    AddLines(form, 48);
    WriteFileBytes(Path("export.PDF"), "old contents");
    platform.paths.push_back(Path("export.PDF"));
    platform.answers.push_back(MessageAnswer::Yes);
    form.exportPdf();
    QCOMPARE(platform.MessageTexts(), std::vector<QString>{"Soubor existuje mam ho prepsat?"});
    const QByteArray bytes = ReadFileBytes(Path("export.PDF"));
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(PdfPages(bytes), 2);
  }

  // The pages end with the diagram of the schema: a page of its own that
  // carries the picture, for the large schema of twenty attributes and thirty
  // dependencies as for any other.
  void realPdfExportEndsWithTheDiagram() {
    TestBench t;
    t.platform.paths.push_back(QStringLiteral(SCHEMARIO_SAMPLES "/velke_schema.dbc"));
    Find<QAction>(t.main(), "a_open_file")->trigger();
    QtPrintService printing;
    ReportWindow form(t.platform, t.platform, printing);
    AddLines(form, 48);
    form.setDiagram(t.main().Document().schema());
    t.platform.paths.push_back(Path("diagram.pdf"));
    form.exportPdf();
    QVERIFY(t.platform.messages.empty());
    const QByteArray bytes = ReadFileBytes(Path("diagram.pdf"));
    QCOMPARE(PdfPages(bytes), 3);
    // The picture's arrows are drawn as paths of the page, far more than the
    // pages of text alone hold.
    QByteArray withoutDiagram;
    std::unique_ptr<PrinterCanvas> canvas = printing.BeginPdfJob(withoutDiagram);
    QVERIFY(PaintReportPages(*canvas, QStringList(48, QStringLiteral("line"))) && canvas->End());
    QVERIFY(bytes.size() > withoutDiagram.size() + 2000);
  }

  // A line wider than the screen wraps at a blank, never inside a name or
  // the arrow, and a copy gives the report's own text.
  void longLinesWrapBetweenNames() {
    TestBench t;
    ReportWindow& form = t.windows.reportWindow();
    QStringList names;
    for (int k = 1; k <= 20; ++k)
      names << QStringLiteral("Nazev_atribu_%1").arg(k, 2, 10, QLatin1Char('0'));
    const QStringList lines{
        names.join(QStringLiteral(" ;")) + QStringLiteral(" ;"),
        names.mid(0, 19).join(QStringLiteral(" + ")) + QStringLiteral(" -> ") + names.last()};
    for (const QString& line : lines)
      form.addLine(line);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* memo = Find<QPlainTextEdit>(form, "Memo1");
    QCOMPARE(memo->horizontalScrollBar()->maximum(), 0);
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
      const QTextLayout& layout = *block.layout();
      QVERIFY(layout.lineCount() > 1);
      for (int k = 1; k < layout.lineCount(); ++k) {
        const QChar before = block.text().at(layout.lineAt(k).textStart() - 1);
        QVERIFY2(before == u' ', qPrintable(block.text()));
      }
    }
    memo->selectAll();
    memo->copy();
    QCOMPARE(QApplication::clipboard()->text(), lines.join(QLatin1Char('\n')));
  }

  // Receipt and label printers: a page narrower than the usual margins.
  // Every line still comes out whole, piece by piece, and the job ends; a
  // hang is cut short by the alarm in the child.
  void narrowPagesFinish_data() {
    QTest::addColumn<int>("pageWidth");
    QTest::newRow("57 mm at 150 dpi") << 336;
    QTest::newRow("narrower than the margins") << 250;
    QTest::newRow("narrower than a letter") << 3;
  }
  void narrowPagesFinish() {
    QFETCH(int, pageWidth);
    TestBench t;
    ReportWindow& form = t.windows.reportWindow();
    const QStringList lines{"R1 = { Objednavka Zakaznik }", "", "A + B -> C"};
    for (const QString& line : lines)
      form.addLine(line);
    t.platform.printPageWidth = pageWidth;
    const bool finished = RunInChild(-1, false, [&t, &form, &lines] {
      alarm(20);
      form.showPreview();
      QString printed;
      for (const PrintOperation& op : t.platform.printed) {
        if (op.kind == PrintOperation::Text) printed += op.text;
      }
      return printed == QStringLiteral("Schemario") + lines.join(QString());
    });
    QVERIFY(finished);
  }

  void realPdfOnA57mmPageIsWritten() {
    ScriptedPlatform platform;
    QtPrintService printing;
    printing.Printer().setPageSize(QPageSize(QSizeF(57, 200), QPageSize::Millimeter));
    ReportWindow form(platform, platform, printing);
    form.addLine(QStringLiteral("Objednavka + Zakaznik -> Adresa_zakaznika"));
    platform.paths.push_back(Path("receipt.pdf"));
    const bool finished = RunInChild(-1, false, [&form] {
      alarm(20);
      form.exportPdf();
      return true;
    });
    QVERIFY(finished);
    QVERIFY(ReadFileBytes(Path("receipt.pdf")).trimmed().endsWith("%%EOF"));
  }

  // A full disk while the PDF is stored: the old file stays byte for byte and
  // the student hears of it.
  void pdfExportOnAFullDiskKeepsTheOldFile() {
    ScriptedPlatform platform;
    QtPrintService printing;
    ReportWindow form(platform, platform, printing);
    AddLines(form, 48);
    const QString path = Path("full.pdf");
    const QByteArray old = "%PDF-1.4 an older report\n%%EOF\n";
    WriteFileBytes(path, old);
    platform.paths.push_back(path);
    platform.answers.push_back(MessageAnswer::Yes);
    const bool reported = RunInChild(2000, false, [&platform, &form] {
      form.exportPdf();
      return platform.MessageTexts() ==
             std::vector<QString>{"Soubor existuje mam ho prepsat?", "Soubor nejde ulozit"};
    });
    QVERIFY(reported);
    QCOMPARE(ReadFileBytes(path), old);
  }

  void realPdfExportIntoAReadOnlyFolderIsRefused() {
    QTemporaryDir top;
    const QString inside = WritableFileInReadOnlyFolder(top, "r.pdf", "old contents");
    const QString path = QFileInfo(inside).absolutePath() + QStringLiteral("/new.pdf");
    ScriptedPlatform platform;
    QtPrintService printing;
    ReportWindow form(platform, platform, printing);
    AddLines(form, 3);
    platform.paths.push_back(path);
    const bool refused = RunInChild(-1, true, [&platform, &form] {
      form.exportPdf();
      return platform.MessageTexts() == std::vector<QString>{"Tento soubor nejde otevrit"};
    });
    QVERIFY(refused);
    QVERIFY(!QFileInfo::exists(path));
  }
};

QTEST_MAIN(PrintWindowTest)
#include "tst_print_window.moc"
