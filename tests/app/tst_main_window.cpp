#include <sys/stat.h>
#include <unistd.h>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include "AboutDialog.h"
#include "DecompositionWindow.h"
#include "DiagramWindow.h"
#include "GuiTestSupport.h"
#include "RandomSchemaDialog.h"
#include "SchemaFileCommands.h"
#include "SchemaListing.h"
#include "SchemaText.h"

namespace {

const QString kCaption = QStringLiteral("Schemario");

// The whole log as the student copies it out: the plain text, whatever
// form the log shows it in.
QStringList Log(MainWindow& main, const char* name) {
  auto* log = Find<QPlainTextEdit>(main, name);
  QGuiApplication::clipboard()->clear();
  log->selectAll();
  log->copy();
  return QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
}

void Trigger(MainWindow& main, const char* action) {
  Find<QAction>(main, action)->trigger();
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

  // Opens the bytes as a schema file through the Open command.
  void OpenBytes(TestBench& t, const QByteArray& bytes, const char* name = "s.dbc") {
    WriteFileBytes(Path(name), bytes);
    t.platform.paths.push_back(Path(name));
    Trigger(t.main(), "a_open_file");
  }

 private slots:
  void startUpCreatesEveryWindowOnceInOrder() {
    TestBench t;
    QStringList classes;
    for (QWidget* w : t.windows.CreationOrder())
      classes << w->metaObject()->className();
    QCOMPARE(classes, QStringList({"MainWindow",
                                   "AttributeEditorDialog",
                                   "DependencyEditorDialog",
                                   "KeysWindow",
                                   "RedundantDependenciesWindow",
                                   "RedundantAttributesWindow",
                                   "DecompositionWindow",
                                   "SynthesisWindow",
                                   "AboutDialog",
                                   "DiagramWindow",
                                   "RandomSchemaDialog",
                                   "MaximalSetsWindow",
                                   "ExerciseHub",
                                   "ClosureExercise",
                                   "MaximalSetExercise",
                                   "KeysExercise",
                                   "RedundantAttributesExercise",
                                   "RedundantDependenciesExercise",
                                   "DecompositionExercise",
                                   "SynthesisExercise",
                                   "OwnDecompositionExercise",
                                   "ReportWindow"}));
    QVERIFY(!t.schema().dirty());
    QCOMPARE(CountNames(t.schema().attributes()), 0);
    QVERIFY(t.main().windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(t.main().windowFlags() & Qt::WindowMinimizeButtonHint);
  }

  void actionsCarryCaptionsHintsAndShortcuts() {
    TestBench t;
    struct Expected {
      const char* name;
      const char* caption;
      const char* hint;
      QKeySequence shortcut;
    };
    const Expected expected[] = {
        {"a_new", "&Novy", "Otevrit novy soubor", QKeySequence(QStringLiteral("Ctrl+N"))},
        {"a_open_file", "&Otevri", "Otevri novy soubor", QKeySequence(QStringLiteral("Ctrl+O"))},
        {"a_save_file", "&Uloz", "Uloz soubor", QKeySequence(QStringLiteral("Ctrl+S"))},
        {"a_attributes", "Editovat &atributy", "Zadat nove atributy schematu", {}},
        {"a_dependencies", "Editovat &zavislosti", "Zadat nove zavislosti", {}},
        {"a_red_atributes", "&Redundantni atributy", "Urceni redundantnich atributu", {}},
        {"a_red_dependencies", "Redundantni &zavislosti", "Urceni redundantnich zavislosti", {}},
        {"a_keys", "Hledani &klicu", "Hledani klicu schematu", {}},
        {"a_dekomposition", "Deko&mpozice", "Dekompozice", {}},
        {"a_synthesis", "S&ynteza", "Synteza", {}},
        {"a_maxset", "&Maximalni mnoziny", "", {}},
        {"a_test", "&Testovaci modul", "Testovaci modul", QKeySequence(QStringLiteral("Ctrl+T"))},
        {"a_about", "&O programu", "", {}},
    };
    for (const Expected& e : expected) {
      QAction* action = Find<QAction>(t.main(), e.name);
      QCOMPARE(action->text(), QString::fromLatin1(e.caption));
      QCOMPARE(action->statusTip(), QString::fromLatin1(e.hint));
      QCOMPARE(action->shortcut(), e.shortcut);
    }
  }

  void toolBarOrderAndHints() {
    TestBench t;
    auto* bar = Find<QToolBar>(t.main(), "ToolBar1");
    QStringList order;
    for (QAction* a : bar->actions())
      order << (a->isSeparator() ? "|" : a->objectName());
    QCOMPARE(order,
             QStringList({"a_new", "a_open_file", "a_save_file", "|", "a_attributes",
                          "a_dependencies", "|", "a_red_atributes", "a_red_dependencies", "a_keys",
                          "|", "a_dekomposition", "a_synthesis", "a_maxset", "|", "a_test"}));
    // New, maximal sets and the test module show no hint.
    QStringList hints;
    for (QAction* a : bar->actions()) {
      if (a->isSeparator()) continue;
      QWidget* button = bar->widgetForAction(a);
      QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
      QApplication::sendEvent(button, &help);
      hints << (QToolTip::isVisible() ? QToolTip::text() : QString());
      QToolTip::hideText();
      QTRY_VERIFY(!QToolTip::isVisible());
    }
    QCOMPARE(hints, QStringList({"", "Otevri novy soubor", "Uloz soubor",
                                 "Zadat nove atributy schematu", "Zadat nove zavislosti",
                                 "Urceni redundantnich atributu", "Urceni redundantnich zavislosti",
                                 "Hledani klicu schematu", "Dekompozice", "Synteza", "", ""}));
  }

  void menusInOrder() {
    TestBench t;
    QStringList menus;
    for (QAction* a : t.main().menuBar()->actions())
      menus << a->text();
    QCOMPARE(menus, QStringList({"&Soubor", "&Data", "&Redundance", "&Algoritmy", "&Testovani",
                                 "Napoveda"}));
    const auto items = [&t](int menu) {
      QStringList out;
      for (QAction* a : t.main().menuBar()->actions()[menu]->menu()->actions()) {
        out << (a->isSeparator() ? QStringLiteral("|") : a->text());
      }
      return out;
    };
    QCOMPARE(items(0), QStringList({"&Novy", "&Otevri", "&Nahodne schema...", "&Uloz", "Uloz &jako",
                                    "Ulozit jako &text", "|", "&Ukazkove schemata",
                                    "&Posledni soubory", "|", "&Konec"}));
    QCOMPARE(items(1), QStringList({"Editovat &atributy", "Editovat &zavislosti", "|", "&Zpet",
                                    "Z&novu", "|", "&Kopirovat jako text", "&Vlozit text"}));
    QCOMPARE(items(2), QStringList({"&Redundantni atributy", "Redundantni &zavislosti"}));
    QCOMPARE(items(3), QStringList({"Hledani &klicu", "|", "Deko&mpozice", "S&ynteza", "|",
                                    "&Maximalni mnoziny", "|", "&Diagram zavislosti"}));
    QCOMPARE(items(4),
             QStringList({"&Testovaci modul", "|", "&Uzaver", "&Klice", "&Maximalni mnoziny",
                          "&Redundantni atributy", "Redundantni &zavislosti", "&Dekompozice",
                          "&Vlastni dekompozice"}));
    QCOMPARE(items(5), QStringList({"&O programu", "&Jazyk"}));
    QCOMPARE(Find<QAction>(t.main(), "Konec1")->statusTip(), QStringLiteral("Konec programu"));
  }

  void openListsTheSchemaAndComputesKeys() {
    TestBench t;
    OpenBytes(t, "A;B;C;D;:0 2 -3;3 -0;2 -1;0 1 -2;");
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(Log(t.main(), "Memo_ABC"), QStringList({"A", "B", "C", "D", "--------------"}));
    QCOMPARE(Log(t.main(), "Memo_Dep"), QStringList({"A + C -> D", "D -> A", "C -> B", "A + B -> C",
                                                     "----------------------"}));
    QCOMPARE(KeyLetters(t.schema().keys()), (std::vector<std::string>{"AC", "CD", "AB", "BD"}));
    QCOMPARE(t.schema().currentFileName(), Path("s.dbc"));
    QCOMPARE(t.platform.fileDialogs.size(), std::size_t{1});
    QCOMPARE(t.platform.fileDialogs[0].filter, QString());
    QCOMPARE(t.platform.fileDialogs[0].name, QStringLiteral("File_Open_1"));
  }

  void openReplacesTheLogsAndAsksNothingTwice() {
    TestBench t;
    OpenBytes(t, "A;B;:0 -1;");
    OpenBytes(t, "X;Y;Z;:");
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(Log(t.main(), "Memo_ABC"), QStringList({"X", "Y", "Z", "--------------"}));
    QCOMPARE(Log(t.main(), "Memo_Dep"), QStringList({"----------------------"}));
    QCOMPARE(KeyLetters(t.schema().keys()), (std::vector<std::string>{"ABC"}));
  }

  void openWithUnsavedDataAsks() {
    TestBench t;
    OpenBytes(t, "A;B;:0 -1;");
    t.schema().MarkDirty(true);
    WriteFileBytes(Path("other.dbc"), "X;:");
    t.platform.answers.push_back(MessageAnswer::Cancel);
    Trigger(t.main(), "a_open_file");
    QCOMPARE(t.platform.messages.size(), std::size_t{1});
    QCOMPARE(t.platform.messages[0].caption, kCaption);
    QCOMPARE(t.platform.messages[0].text, QStringLiteral("Prejete si data ulozit?"));
    QCOMPARE(t.platform.messages[0].buttons, MessageButtons::YesNoCancel);
    QCOMPARE(t.platform.fileDialogs.size(), std::size_t{1});  // only the first Open
    QCOMPARE(t.schema().attributes()[0], std::string("A"));
    QVERIFY(t.schema().dirty());

    t.platform.answers.push_back(MessageAnswer::No);
    t.platform.paths.push_back(Path("other.dbc"));
    Trigger(t.main(), "a_open_file");
    QCOMPARE(t.schema().attributes()[0], std::string("X"));
    QVERIFY(!t.schema().dirty());
  }

  // The installed samples are read-only: one opens as a new schema named
  // after it, and saving it asks where.
  void samplesOpenAsNewSchemasThatSaveElsewhere() {
    TestBench t;
    auto* menu = Find<QMenu>(t.main(), "UkazkoveSchemata1");
    emit menu->aboutToShow();
    QAction* sample = nullptr;
    for (QAction* item : menu->actions()) {
      if (item->text() == QStringLiteral("objednavky")) sample = item;
    }
    QVERIFY(sample != nullptr);
    sample->trigger();
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(t.main().windowTitle(), QStringLiteral("Schemario - objednavky[*]"));
    QVERIFY(t.schema().currentFileName().isEmpty());
    QVERIFY(!t.schema().dirty());
    QVERIFY(CountNames(t.schema().attributes()) > 0);
    t.platform.paths.push_back(Path("mine"));
    Trigger(t.main(), "a_save_file");
    QCOMPARE(t.platform.fileDialogs.size(), std::size_t{1});
    QCOMPARE(t.schema().currentFileName(), Path("mine.dbc"));
  }

  void recentFilesReopenNewestFirstAndForgetVanishedOnes() {
    TestBench t;
    OpenBytes(t, "A;B;:0 -1;", "recent1.dbc");
    OpenBytes(t, "X;:", "recent2.dbc");
    OpenBytes(t, "A;B;:0 -1;", "recent1.dbc");
    QCOMPARE(t.settings.value("recentFiles").toStringList(),
             QStringList({Path("recent1.dbc"), Path("recent2.dbc")}));

    auto* menu = Find<QMenu>(t.main(), "PosledniSoubory1");
    emit menu->aboutToShow();
    QCOMPARE(menu->actions().size(), 2);
    t.schema().MarkDirty(true);
    t.platform.answers.push_back(MessageAnswer::No);
    Find<QAction>(t.main(), "PosledniSoubor2")->trigger();
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{"Prejete si data ulozit?"});
    QCOMPARE(t.schema().currentFileName(), Path("recent2.dbc"));
    QCOMPARE(t.settings.value("recentFiles").toStringList().first(), Path("recent2.dbc"));

    QVERIFY(QFile::remove(Path("recent1.dbc")));
    emit menu->aboutToShow();
    Find<QAction>(t.main(), "PosledniSoubor2")->trigger();
    QCOMPARE(t.platform.MessageTexts().back(),
             QStringLiteral("Chyba pri cteni ze souboru\nNo such file or directory"));
    QCOMPARE(t.schema().currentFileName(), Path("recent2.dbc"));
    QCOMPARE(t.settings.value("recentFiles").toStringList(), QStringList({Path("recent2.dbc")}));
  }

  void droppedSchemaFilesOpenAfterTheQuestion() {
    TestBench t;
    WriteFileBytes(Path("dropped.dbc"), "X;Y;:0 -1;");
    WriteFileBytes(Path("notes.pdf"), "X;:");
    const auto drop = [&t](const QString& path) {
      QMimeData data;
      data.setUrls({QUrl::fromLocalFile(path)});
      QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&t.main(), &enter);
      if (!enter.isAccepted()) return false;
      QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&t.main(), &dropped);
      QCoreApplication::processEvents();
      return true;
    };
    QVERIFY(!drop(Path("notes.pdf")));

    t.schema().MarkDirty(true);
    t.platform.answers.push_back(MessageAnswer::Cancel);
    QVERIFY(drop(Path("dropped.dbc")));
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{"Prejete si data ulozit?"});
    QVERIFY(t.schema().dirty());
    QCOMPARE(CountNames(t.schema().attributes()), 0);

    t.platform.answers.push_back(MessageAnswer::No);
    QVERIFY(drop(Path("dropped.dbc")));
    QCOMPARE(t.schema().currentFileName(), Path("dropped.dbc"));
    QCOMPARE(Log(t.main(), "Memo_Dep"), QStringList({"X -> Y", "----------------------"}));
  }

  void openRefusals_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("buttons");
    QTest::newRow("extension only inside the name")
        << "s.dbc.bak" << QByteArray("A;:") << "Zkousite otevrit spatny soubor. Chci priponu .dbc"
        << int(MessageButtons::Ok);
    QTest::newRow("no extension") << "s" << QByteArray("A;:")
                                  << "Zkousite otevrit spatny soubor. Chci priponu .dbc"
                                  << int(MessageButtons::Ok);
    QTest::newRow("index naming no name")
        << "bad.dbc" << QByteArray("A;B;:0 -17;")
        << "Chyba pri otevirani souboru\nbajt 9: index 17 neoznacuje zadny atribut"
        << int(MessageButtons::OkCancel);
    QTest::newRow("line break after the last dependency")
        << "crlf.dbc" << QByteArray("A;B;:0 -1\r\n")
        << "Chyba pri otevirani souboru\nbajt 10: zavislost nekonci znakem ;"
        << int(MessageButtons::OkCancel);
    QTest::newRow("too large") << "big.dbc" << QByteArray((1 << 20) + 1, ';')
                               << "Chyba pri otevirani souboru\nbajt 1048577: soubor je vetsi nez "
                                  "1048576 bajtu"
                               << int(MessageButtons::OkCancel);
    QTest::newRow("missing file") << "missing.dbc" << QByteArray()
                                  << "Chyba pri cteni ze souboru\nNo such file or directory"
                                  << int(MessageButtons::Ok);
  }

  void openRefusals() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(int, buttons);
    TestBench t;
    OpenBytes(t, "A;B;:0 -1;", "good.dbc");
    const std::string before = DepsText(t.schema().dependencies());
    if (!bytes.isEmpty()) WriteFileBytes(dir_.filePath(file), bytes);
    t.platform.paths.push_back(dir_.filePath(file));
    Trigger(t.main(), "a_open_file");
    QCOMPARE(t.platform.messages.size(), std::size_t{1});
    QCOMPARE(t.platform.messages[0].caption, kCaption);
    QCOMPARE(t.platform.messages[0].text, message);
    QCOMPARE(int(t.platform.messages[0].buttons), buttons);
    QCOMPARE(t.schema().attributes()[1], std::string("B"));
    QCOMPARE(DepsText(t.schema().dependencies()), before);
    QCOMPARE(t.schema().currentFileName(), Path("good.dbc"));
    QCOMPARE(Log(t.main(), "Memo_ABC"), QStringList({"A", "B", "--------------"}));
    // Save still writes to the file opened before, without asking.
    WriteFileBytes(Path("good.dbc"), "changed");
    Trigger(t.main(), "a_save_file");
    QCOMPARE(t.platform.fileDialogs.size(), std::size_t{2});
    QCOMPARE(ReadFileBytes(Path("good.dbc")), QByteArray("A;B;:0 -1;"));
  }

  // A named pipe would keep a reader waiting for a writer forever, and a
  // folder holds no schema: both are refused at once, opened or dropped (a
  // hang ends the child at the alarm).
  void openRefusesWhatIsNotAFile() {
    const QString pipe = Path("pipe.dbc");
    QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QVERIFY(QDir().mkdir(Path("folder.dbc")));
    for (const QString& path : {pipe, Path("folder.dbc")}) {
      TestBench t;
      t.platform.paths.push_back(path);
      const bool refused = RunInChild(-1, false, [&t, &path] {
        alarm(5);
        Trigger(t.main(), "a_open_file");
        t.main().openFileAt(path);
        const QString text = QStringLiteral("Chyba pri otevirani souboru\nneni obycejny soubor");
        return t.platform.MessageTexts() == std::vector<QString>{text, text} &&
               t.schema().currentFileName().isEmpty();
      });
      QVERIFY2(refused, qPrintable(path));
    }
  }

  // A schema text opens as a new schema named after it; a refused one says
  // where; a name the schema file cannot hold is refused on saving, by name.
  void schemaTextsOpenAsNewSchemas() {
    TestBench t;
    WriteFileBytes(Path("orders.txt"),
                   QStringLiteral(u"attributes: A, \u0394\nA -> \u0394\n").toUtf8());
    t.platform.paths.push_back(Path("orders.txt"));
    Trigger(t.main(), "a_open_file");
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(t.main().windowTitle(), QStringLiteral("Schemario - orders[*]"));
    QVERIFY(t.schema().currentFileName().isEmpty());
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B"));

    t.platform.paths.push_back(Path("orders"));
    Trigger(t.main(), "a_save_file");
    QCOMPARE(t.platform.MessageTexts().back(),
             QStringLiteral(u"Jmeno atributu \u0394 obsahuje znak, ktery soubor .dbc nepojme "
                            u"(kodovani Windows-1250). Prejmenujte atribut."));
    QVERIFY(!QFile::exists(Path("orders.dbc")));

    WriteFileBytes(Path("bad.fd"), "A -> B\nB -> Z, \n");
    t.platform.paths.push_back(Path("bad.fd"));
    Trigger(t.main(), "a_open_file");
    QCOMPARE(
        t.platform.MessageTexts().back(),
        QStringLiteral("Chyba pri otevirani souboru\nradek 2, sloupec 7: chybi jmeno atributu"));
  }

  // An open diagram follows every change of the schema and saves what it shows.
  void diagramFollowsTheSchemaAndSavesAsSvg() {
    TestBench t;
    t.schema().Load(Names("AB"), Deps("A->B"), QString());
    Trigger(t.main(), "a_diagram");
    DiagramWindow& diagram = t.windows.diagramWindow();
    QVERIFY(diagram.isVisible());
    t.schema().Load(Names("ABCD"), Deps("A->B; B->D"), QString());
    t.platform.paths.push_back(Path("d.svg"));
    Find<QAction>(diagram, "a_svg")->trigger();
    const QByteArray svg = ReadFileBytes(Path("d.svg"));
    QVERIFY2(svg.contains(">D<"), svg.constData());

    // A part of a decomposition stays as it was made.
    Trigger(t.main(), "a_dekomposition");
    t.windows.decompositionWindow().showSchema(0);
    Find<QPushButton>(t.windows.decompositionWindow(), "Button_Diagram")->click();
    const QString part = QStringLiteral("Dekompozice, schema 0");
    QCOMPARE(Find<QLabel>(diagram, "Label_Schema")->text(), part);
    t.schema().Load(Names("AB"), Deps("A->B"), QString());
    QCOMPARE(Find<QLabel>(diagram, "Label_Schema")->text(), part);
  }

  // A random schema asked for in the dialog replaces the schema, new and
  // unsaved; a request no schema meets keeps the dialog open with the reason.
  void randomSchemaDialogMakesAPracticeSchema() {
    TestBench t;
    RandomSchemaDialog& dialog = t.windows.randomSchemaDialog();
    QString refusal;
    QTimer::singleShot(0, [&] {
      Find<QSpinBox>(dialog, "SpinBox_Attributes")->setValue(2);
      Find<QSpinBox>(dialog, "SpinBox_Dependencies")->setValue(9);
      Find<QPushButton>(dialog, "Button_OK")->click();
      refusal = Find<QLabel>(dialog, "Label_Refusal")->text();
      Find<QSpinBox>(dialog, "SpinBox_Attributes")->setValue(7);
      Find<QSpinBox>(dialog, "SpinBox_Dependencies")->setValue(8);
      Find<QPushButton>(dialog, "Button_OK")->click();
    });
    Trigger(t.main(), "a_random_schema");
    QVERIFY(!refusal.isEmpty());
    QCOMPARE(CountNames(t.schema().attributes()), 7);
    QCOMPARE(t.schema().dependencies().size(), std::size_t{8});
    QCOMPARE(t.main().windowTitle(), QStringLiteral("Schemario - Nahodne schema[*]"));
  }

  // A schema goes out as text to a file and the clipboard and comes back
  // whole; a pasted text that is refused says where and changes nothing.
  void schemaTextsGoOutAndComeBack() {
    TestBench t;
    t.schema().Load({"A", "\xce\x94"}, Deps("A->B"), QString());
    t.platform.paths.push_back(Path("orders"));
    Trigger(t.main(), "a_save_text");
    const QString written = QString::fromUtf8(ReadFileBytes(Path("orders.txt")));
    QVERIFY2(written.contains(QStringLiteral(u"A -> \u0394")), qPrintable(written));

    Trigger(t.main(), "a_copy_text");
    QCOMPARE(QGuiApplication::clipboard()->text(), written);
    t.schema().Load(Names("XY"), Deps("B->A"), QString());
    t.platform.answers.push_back(MessageAnswer::Yes);
    Trigger(t.main(), "a_paste_text");
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B"));
    QCOMPARE(t.schema().attributes()[1], std::string("\xce\x94"));

    QGuiApplication::clipboard()->setText(QStringLiteral("A -> B\nB -> Z, \n"));
    Trigger(t.main(), "a_paste_text");
    QCOMPARE(
        t.platform.MessageTexts().back(),
        QStringLiteral("Text ve schrance neni schema:\nradek 2, sloupec 7: chybi jmeno atributu"));
    QCOMPARE(t.schema().attributes()[1], std::string("\xce\x94"));
  }

  void openTakesTheExtensionInAnyCase() {
    TestBench t;
    OpenBytes(t, "A;B;:0 -1;", "s.DBC");
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B"));
  }

  void openCancelledChangesNothing() {
    TestBench t;
    Trigger(t.main(), "a_open_file");
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(t.platform.fileDialogs.size(), std::size_t{1});
  }

  void namesAreReadAndWrittenInTheCzechCharacterSet() {
    TestBench t;
    OpenBytes(t, QByteArray("\x9e\x6c\x75\x9d\x6f\x75\xe8\x6b\xfd;:"));
    QCOMPARE(QString::fromStdString(t.schema().attributes()[0]), QStringLiteral(u"žluťoučký"));
    t.platform.paths.push_back(Path("back.dbc"));
    t.platform.answers.push_back(MessageAnswer::Yes);
    Trigger(t.main(), "a_save_file");
    QCOMPARE(ReadFileBytes(Path("s.dbc")), QByteArray("\x9e\x6c\x75\x9d\x6f\x75\xe8\x6b\xfd;:"));
  }

  void saveWritesToTheOpenedFile() {
    TestBench t;
    OpenBytes(t, "A;B;C;:0 1 -2;2 -0;");
    t.schema().MarkDirty(true);
    WriteFileBytes(Path("s.dbc"), "overwritten");
    Trigger(t.main(), "a_save_file");
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(t.platform.fileDialogs.size(), std::size_t{1});
    QCOMPARE(ReadFileBytes(Path("s.dbc")), QByteArray("A;B;C;:0 1 -2;2 -0;"));
    QVERIFY(!t.schema().dirty());
  }

  void saveWithoutAFileAsksForANameOnce() {
    TestBench t;
    t.schema().SetAttributes(Names("AB"));
    t.schema().ReplaceDependencies(Deps("A->B"));
    t.schema().MarkDirty(true);
    t.platform.paths.push_back(Path("first"));
    Trigger(t.main(), "a_save_file");
    QCOMPARE(ReadFileBytes(Path("first.dbc")), QByteArray("A;B;:0 -1;"));
    QVERIFY(!t.schema().dirty());
    QCOMPARE(t.platform.fileDialogs.back().save, true);
    QCOMPARE(t.platform.fileDialogs.back().filter, QStringLiteral("Schemario|*.DBC"));
    QCOMPARE(t.platform.fileDialogs.back().name, QStringLiteral("File_Save_1"));

    // The file written becomes the schema's file: Save writes there again
    // without asking.
    t.schema().ReplaceDependencies(Deps("B->A"));
    t.schema().MarkDirty(true);
    Trigger(t.main(), "a_save_file");
    QCOMPARE(t.platform.fileDialogs.size(), std::size_t{1});
    QCOMPARE(ReadFileBytes(Path("first.dbc")), QByteArray("A;B;:1 -0;"));
    QVERIFY(!t.schema().dirty());

    // Save As asks for another name, and that file is the schema's from now.
    t.platform.paths.push_back(Path("second"));
    Trigger(t.main(), "a_save_file_as");
    QCOMPARE(t.schema().currentFileName(), Path("second.dbc"));
    QCOMPARE(ReadFileBytes(Path("second.dbc")), QByteArray("A;B;:1 -0;"));
  }

  void titleShowsTheFileAndUnsavedChanges() {
    TestBench t;
    const auto shown = [&t] {
      return QString(t.main().windowTitle())
          .replace(QStringLiteral("[*]"),
                   t.main().isWindowModified() ? QStringLiteral("*") : QString());
    };
    QCOMPARE(shown(), QStringLiteral("Schemario"));
    OpenBytes(t, "A;B;:0 -1;", "orders.dbc");
    QCOMPARE(shown(), QStringLiteral("Schemario - orders.dbc"));
    t.schema().MarkDirty(true);
    QCOMPARE(shown(), QStringLiteral("Schemario - orders.dbc*"));
    Trigger(t.main(), "a_save_file");
    QCOMPARE(shown(), QStringLiteral("Schemario - orders.dbc"));
    Trigger(t.main(), "a_new");
    QCOMPARE(shown(), QStringLiteral("Schemario"));
  }

  void saveAsNames_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain name") << "x"
                                << "x.dbc";
    QTest::newRow("with extension") << "y.dbc"
                                    << "y.dbc";
    QTest::newRow("upper-case extension") << "z.DBC"
                                          << "z.DBC";
    QTest::newRow("extension inside") << "w.dbc.bak"
                                      << "w.dbc.bak.dbc";
    QTest::newRow("extension on the folder") << "x.dbc.d/v"
                                             << "x.dbc.d/v.dbc";
  }

  void saveAsNames() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    ScriptedPlatform platform;
    SchemaFileCommands unit(platform, platform);
    Schema schema;
    schema.SetAttributes(Names("A"));
    QDir(dir_.path()).mkdir(QStringLiteral("x.dbc.d"));
    platform.paths.push_back(dir_.filePath(chosen));
    QCOMPARE(unit.SaveSchemaAs(schema), std::optional<QString>(dir_.filePath(written)));
    QCOMPARE(ReadFileBytes(dir_.filePath(written)), QByteArray("A;:"));
    QVERIFY(platform.messages.empty());

    // What Save As wrote, Open takes back.
    platform.paths.push_back(dir_.filePath(written));
    QVERIFY(unit.ReadSchemaFile().has_value());
    QVERIFY(platform.messages.empty());
  }

  void saveAsOverExistingFileAsks() {
    ScriptedPlatform platform;
    SchemaFileCommands unit(platform, platform);
    Schema schema;
    schema.SetAttributes(Names("A"));
    WriteFileBytes(Path("e.dbc"), "old");
    platform.paths.push_back(Path("e.dbc"));
    platform.answers.push_back(MessageAnswer::No);
    QCOMPARE(unit.SaveSchemaAs(schema), std::nullopt);
    QCOMPARE(ReadFileBytes(Path("e.dbc")), QByteArray("old"));
    QCOMPARE(platform.messages.back().text, QStringLiteral("Soubor existuje mam ho prepsat?"));
    QCOMPARE(platform.messages.back().buttons, MessageButtons::YesNo);

    // Choosing "e" would write e.dbc: the question is asked for that file.
    platform.paths.push_back(Path("e"));
    platform.answers.push_back(MessageAnswer::Yes);
    QCOMPARE(unit.SaveSchemaAs(schema), std::optional<QString>(Path("e.dbc")));
    QCOMPARE(platform.messages.size(), std::size_t{2});
    QCOMPARE(ReadFileBytes(Path("e.dbc")), QByteArray("A;:"));
  }

  void writeFailuresReportAndKeepTheOldFile() {
    TestBench t;
    t.schema().SetAttributes(Names("A"));
    t.schema().MarkDirty(true);
    t.platform.paths.push_back(Path("no-such-folder/x.dbc"));
    Trigger(t.main(), "a_save_file");
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{"Tento soubor nejde otevrit"});
    QVERIFY(t.schema().dirty());

    t.platform.answers.push_back(MessageAnswer::No);  // unsaved data may go
    OpenBytes(t, "A;:", "kept.dbc");
    QFile::remove(Path("kept.dbc"));
    QDir().mkdir(Path("kept.dbc"));  // a folder where the file was: it cannot be written
    t.platform.messages.clear();
    t.schema().MarkDirty(true);
    Trigger(t.main(), "a_save_file");
    QCOMPARE(t.platform.MessageTexts(),
             std::vector<QString>{"Problem s otevrenim souboru pro zapis"});
    QVERIFY(t.schema().dirty());
  }

  // A full disk or a file size limit: the write fails on the way. The old
  // file stays as it was, the failure is reported once, and the schema stays
  // unsaved, whether Save ran it or the question before New, Open or quitting.
  void saveThatRunsOutOfSpaceKeepsTheOldFile_data() {
    QTest::addColumn<QString>("command");
    for (const char* command : {"a_save_file", "a_new", "a_open_file", "Konec1"})
      QTest::newRow(command) << QString::fromLatin1(command);
  }

  void saveThatRunsOutOfSpaceKeepsTheOldFile() {
    QFETCH(QString, command);
    TestBench t;
    t.main().show();
    OpenBytes(t, "A;B;:0 -1;", "full.dbc");
    t.schema().SetAttributes(Names("ABCDEFGHIJKLMNOPQRST"));
    t.schema().MarkDirty(true);
    const bool asks = command != QStringLiteral("a_save_file");
    if (asks) t.platform.answers.push_back(MessageAnswer::Yes);
    const bool reported = RunInChild(16, false, [&] {
      t.platform.messages.clear();
      Trigger(t.main(), command.toLatin1().constData());
      std::vector<QString> expected{"Chyba v zapisu do souboru"};
      if (asks) expected.insert(expected.begin(), "Prejete si data ulozit?");
      return t.platform.MessageTexts() == expected && t.schema().dirty() &&
             CountNames(t.schema().attributes()) == 20 && t.main().isVisible();
    });
    QVERIFY(reported);
    QCOMPARE(ReadFileBytes(Path("full.dbc")), QByteArray("A;B;:0 -1;"));
    QCOMPARE(QDir(dir_.path()).entryList({"full*"}, QDir::Files), QStringList({"full.dbc"}));
  }

  // A folder the student may not add files to, holding a file he may write:
  // Save writes the file in place.
  void saveIntoAReadOnlyFolder() {
    QTemporaryDir top;
    const QString path = WritableFileInReadOnlyFolder(top, "s.dbc", "A;B;:0 -1;");
    TestBench t;
    t.platform.paths.push_back(path);
    Trigger(t.main(), "a_open_file");
    t.schema().ReplaceDependencies(Deps("B->A"));
    t.schema().MarkDirty(true);
    const bool saved = RunInChild(-1, true, [&t] {
      Trigger(t.main(), "a_save_file");
      return t.platform.messages.empty() && !t.schema().dirty();
    });
    QVERIFY(saved);
    QCOMPARE(ReadFileBytes(path), QByteArray("A;B;:1 -0;"));
  }

  // The same folder on a full disk: the save is refused and the old file
  // stays whole, although only the file itself could be written.
  void saveInPlaceOnAFullDiskKeepsTheFile() {
    QTemporaryDir top;
    const QByteArray old("A;B;:0 -1;");
    const QString path = WritableFileInReadOnlyFolder(top, "s.dbc", old);
    TestBench t;
    t.platform.paths.push_back(path);
    Trigger(t.main(), "a_open_file");
    t.schema().SetAttributes(Names("ABCDEFGHIJKLMNOPQRST"));
    t.schema().ReplaceDependencies(Deps("A->B; B->C; C->D; D->E; E->F; F->G; G->H"));
    t.schema().MarkDirty(true);
    const bool refused = RunInChild(old.size() + 8, true, [&t] {
      Trigger(t.main(), "a_save_file");
      return t.platform.MessageTexts() == std::vector<QString>{"Chyba v zapisu do souboru"} &&
             t.schema().dirty();
    });
    QVERIFY(refused);
    QCOMPARE(ReadFileBytes(path), old);
  }

  // The most the editors build: every name, 90 dependencies, left-hand sides
  // of every attribute.
  void theLargestSchemaSavesAndOpensAgain() {
    TestBench t;
    t.schema().SetAttributes(Names("ABCDEFGHIJKLMNOPQRST"));
    std::vector<AttributeIndex> all;
    all.reserve(MaxAttributes);
    for (int i = 0; i < MaxAttributes; ++i)
      all.push_back(static_cast<AttributeIndex>(i));
    DependencyList list;
    for (int i = 0; i < 90; ++i)
      list.push_back(NewDependency(all, static_cast<AttributeIndex>(i % MaxAttributes)));
    const std::string written = DepsText(list);
    t.schema().ReplaceDependencies(std::move(list));
    t.schema().MarkDirty(true);
    t.platform.paths.push_back(Path("largest.dbc"));
    Trigger(t.main(), "a_save_file");
    t.platform.paths.push_back(Path("largest.dbc"));
    Trigger(t.main(), "a_open_file");
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(DepsText(t.schema().dependencies()), written);
  }

  void newWithoutChangesClearsAtOnce() {
    TestBench t;
    OpenBytes(t, "A;B;:0 -1;");
    Trigger(t.main(), "a_new");
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(CountNames(t.schema().attributes()), 0);
    QVERIFY(t.schema().dependencies().empty());
    QVERIFY(t.schema().keys().empty());
    QCOMPARE(Find<QPlainTextEdit>(t.main(), "Memo_ABC")->toPlainText(), QString());
    QCOMPARE(Find<QPlainTextEdit>(t.main(), "Memo_Dep")->toPlainText(), QString());
    QCOMPARE(t.schema().currentFileName(), QString());
  }

  void newWithUnsavedData() {
    TestBench t;
    t.schema().SetAttributes(Names("AB"));
    t.schema().ReplaceDependencies(Deps("A->B"));
    t.schema().MarkDirty(true);

    // Cancel, or Yes with the save dialog cancelled: the schema stays.
    for (MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Yes}) {
      t.platform.answers.push_back(answer);
      Trigger(t.main(), "a_new");
      QCOMPARE(t.platform.messages.back().text, QStringLiteral("Prejete si data ulozit?"));
      QCOMPARE(t.platform.messages.back().buttons, MessageButtons::YesNoCancel);
      QCOMPARE(t.schema().attributes()[0], std::string("A"));
      QVERIFY(t.schema().dirty());
    }

    // Yes and a name: written, then cleared.
    t.platform.answers.push_back(MessageAnswer::Yes);
    t.platform.paths.push_back(Path("saved.dbc"));
    Trigger(t.main(), "a_new");
    QCOMPARE(ReadFileBytes(Path("saved.dbc")), QByteArray("A;B;:0 -1;"));
    QCOMPARE(CountNames(t.schema().attributes()), 0);
    QVERIFY(!t.schema().dirty());

    // No: cleared without saving.
    OpenBytes(t, "C;:");
    t.schema().MarkDirty(true);
    t.platform.answers.push_back(MessageAnswer::No);
    const std::size_t dialogs = t.platform.fileDialogs.size();
    Trigger(t.main(), "a_new");
    QCOMPARE(t.platform.fileDialogs.size(), dialogs);
    QCOMPARE(CountNames(t.schema().attributes()), 0);
    QVERIFY(!t.schema().dirty());
  }

  void redundancyCommandsOnAnEmptySchema() {
    TestBench t;
    Trigger(t.main(), "a_red_atributes");
    Trigger(t.main(), "a_red_dependencies");
    QCOMPARE(t.platform.MessageTexts(),
             (std::vector<QString>{"Zadne redundantni atributy nejsou",
                                   "Zadne redundantni zavislosti nejsou"}));
    for (const MessageCall& m : t.platform.messages)
      QCOMPARE(m.caption, kCaption);
  }

  void quittingWithUnsavedChangesAsks() {
    TestBench t;
    t.main().show();
    OpenBytes(t, "A;B;:0 -1;");
    t.schema().ReplaceDependencies(Deps("B->A"));
    t.schema().MarkDirty(true);
    // Cancel, and a save that fails (the file turned into a folder): the
    // program keeps running with the schema.
    QFile::remove(Path("s.dbc"));
    QDir().mkdir(Path("s.dbc"));
    for (MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Yes}) {
      t.platform.answers.push_back(answer);
      Trigger(t.main(), "Konec1");
      QVERIFY(t.main().isVisible());
      QCOMPARE(DepsText(t.schema().dependencies()), std::string("B->A"));
    }
    QCOMPARE(t.platform.messages[0].text, QStringLiteral("Prejete si data ulozit?"));
    QCOMPARE(t.platform.messages[0].buttons, MessageButtons::YesNoCancel);
    QDir().rmdir(Path("s.dbc"));

    // Yes: saved, then closed.
    t.platform.answers.push_back(MessageAnswer::Yes);
    QVERIFY(t.main().close());
    QVERIFY(!t.main().isVisible());
    QCOMPARE(ReadFileBytes(Path("s.dbc")), QByteArray("A;B;:1 -0;"));
  }

  void failuresOfAStepAreShown() {
    TestBench t;
    QVERIFY(!t.platform.Run([] { throw std::runtime_error("Chybi pamet"); }));
    QVERIFY(!t.platform.Run([] { throw 7; }));
    QVERIFY(t.platform.Run([] {}));
    QCOMPARE(t.platform.errors, (std::vector<QString>{"Chybi pamet", "Neznama chyba"}));
  }

  // A command that fails on the way shows why, and the window goes on with
  // the schema as the command left it.
  void aFailingCommandIsShownAndTheWindowGoesOn() {
    TestBench t;
    OpenBytes(t, "A;B;:0 -1;");
    QObject::connect(&t.main(), &MainWindow::toolRequested, &t.main(),
                     [](Tool) { throw std::runtime_error("Chybi pamet"); });
    for (const char* action : {"a_keys", "a_dekomposition"})
      Trigger(t.main(), action);
    QCOMPARE(t.platform.errors, (std::vector<QString>{"Chybi pamet", "Chybi pamet"}));
    QCOMPARE(KeyLetters(t.schema().keys()), (std::vector<std::string>{"A"}));
    Trigger(t.main(), "a_new");
    QCOMPARE(t.schema().dependencies().size(), std::size_t{0});
  }

  void languageChoiceIsKeptForTheNextStart() {
    TestBench t;
    QAction* ascii = Find<QAction>(t.main(), "a_lang_cs_ascii");
    ascii->trigger();
    QCOMPARE(t.settings.value("language").toString(), QStringLiteral("cs_ascii"));
    QCOMPARE(t.platform.messages.size(), std::size_t{1});
    QCOMPARE(t.platform.messages[0].text,
             QStringLiteral("Jazyk se zmeni pri pristim spusteni programu."));
    Find<QAction>(t.main(), "a_lang_en")->trigger();
    QCOMPARE(t.settings.value("language").toString(), QStringLiteral("en"));
    QVERIFY(!ascii->isChecked());
    QVERIFY(!Find<QAction>(t.main(), "a_lang_cs")->isChecked());
  }

  void aboutShowsTitleAndVersion() {
    TestBench t;
    AboutDialog& about = t.windows.aboutDialog();
    QCOMPARE(Find<QLabel>(about, "Label_Title")->text(), kCaption);
    QCOMPARE(Find<QLabel>(about, "Label_Version")->text(), QStringLiteral("Verze 1.0"));
    QVERIFY(about.isModal());
  }

 public:
  MainWindowTest() { QVERIFY(dir_.isValid()); }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
