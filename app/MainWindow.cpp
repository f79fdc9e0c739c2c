#include "MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "DataMemo.h"
#include "Display.h"
#include "Keys.h"
#include "MinimalCover.h"
#include "NotationText.h"
#include "Redundance.h"
#include "SchemaListing.h"
#include "SchemaNotation.h"

namespace {

// A tool button picture: a short label on a coloured tile.
QIcon TileIcon(const QString& label, const QColor& colour) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(colour.darker(150));
  painter.setBrush(colour);
  painter.drawRoundedRect(QRectF(2.5, 2.5, 27, 27), 5, 5);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(label.size() > 1 ? 12 : 17);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(2, 2, 28, 28), Qt::AlignCenter, label);
  return QIcon(pixmap);
}

// Keeps a tool button from showing its action's hint as a tooltip.
class NoToolTip final : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::ToolTip; }
};

}  // namespace

MainWindow::MainWindow(MessageService& messages, FileDialogService& dialogs, ErrorDisplay& errors,
                       QSettings& settings, const QString& samplesFolder, QWidget* parent)
    : QMainWindow(parent),
      messages_(messages),
      errors_(errors),
      settings_(settings),
      file_(messages, dialogs),
      recent_(settings),
      samplesFolder_(samplesFolder) {
  setObjectName(QStringLiteral("Form_Main"));
  showFileInTitle();
  connect(&document_, &SchemaDocument::titleChanged, this, &MainWindow::showFileInTitle);
  connect(&document_, &SchemaDocument::dirtyChanged, this, &MainWindow::setWindowModified);
  // The logs grow with the window, so it may also fill the screen.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint);
  buildActions();
  buildMenus();
  buildToolBar();
  buildLogs();
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  setAcceptDrops(true);
  resize(640, 480);
}

QAction* MainWindow::makeAction(const char* name, const QString& caption, const QString& hint,
                                const QKeySequence& shortcut, void (MainWindow::*handler)()) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setToolTip(hint.isEmpty() ? QString(caption).remove(QLatin1Char('&')) : hint);
  action->setStatusTip(hint);
  action->setShortcut(shortcut);
  runOnTrigger(*action, [this, handler] { (this->*handler)(); });
  return action;
}

void MainWindow::runStep(const std::function<void()>& step) {
  errors_.Run(step);
}

void MainWindow::runOnTrigger(QAction& action, std::function<void()> step) {
  connect(&action, &QAction::triggered, this, [this, step = std::move(step)] { runStep(step); });
}

void MainWindow::buildActions() {
  const QKeySequence none;
  a_new = makeAction("a_new", tr("&Novy"), tr("Otevrit novy soubor"),
                     QKeySequence(Qt::CTRL | Qt::Key_N), &MainWindow::newSchema);
  a_open_file = makeAction("a_open_file", tr("&Otevri"), tr("Otevri novy soubor"),
                           QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::openFile);
  a_save_file = makeAction("a_save_file", tr("&Uloz"), tr("Uloz soubor"),
                           QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::save);
  a_save_file_as =
      makeAction("a_save_file_as", tr("Uloz &jako"), tr("Uloz soubor pod jinym jmenem"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &MainWindow::saveAs);
  a_save_text = makeAction("a_save_text", tr("Ulozit jako &text"),
                           tr("Uloz schema jako text: jmena atributu a zavislosti A, B -> C"), none,
                           &MainWindow::saveAsText);
  a_copy_text = makeAction("a_copy_text", tr("&Kopirovat jako text"),
                           tr("Vloz schema do schranky jako text"), none, &MainWindow::copyAsText);
  a_paste_text = makeAction("a_paste_text", tr("&Vlozit text"),
                            tr("Nahrad schema textem ze schranky (radky jako A, B -> C)"),
                            QKeySequence::Paste, &MainWindow::pasteText);
  a_attributes = makeAction("a_attributes", tr("Editovat &atributy"),
                            tr("Zadat nove atributy schematu"), none, &MainWindow::editAttributes);
  a_dependencies = makeAction("a_dependencies", tr("Editovat &zavislosti"),
                              tr("Zadat nove zavislosti"), none, &MainWindow::editDependencies);
  a_red_atributes =
      makeAction("a_red_atributes", tr("&Redundantni atributy"),
                 tr("Urceni redundantnich atributu"), none, &MainWindow::showRedundantAttributes);
  a_red_dependencies = makeAction("a_red_dependencies", tr("Redundantni &zavislosti"),
                                  tr("Urceni redundantnich zavislosti"), none,
                                  &MainWindow::showRedundantDependencies);
  a_keys = makeAction("a_keys", tr("Hledani &klicu"), tr("Hledani klicu schematu"), none,
                      &MainWindow::findKeys);
  a_dekomposition = makeAction("a_dekomposition", tr("Deko&mpozice"), tr("Dekompozice"), none,
                               &MainWindow::openDecomposition);
  a_synthesis =
      makeAction("a_synthesis", tr("S&ynteza"), tr("Synteza"), none, &MainWindow::openSynthesis);
  a_maxset = makeAction("a_maxset", tr("&Maximalni mnoziny"), QString(), none,
                        &MainWindow::showMaximalSets);
  a_random_schema =
      makeAction("a_random_schema", tr("&Nahodne schema..."),
                 tr("Vytvor nahodne schema na procvicovani"), none, &MainWindow::makeRandomSchema);
  a_diagram = makeAction("a_diagram", tr("&Diagram zavislosti"),
                         tr("Obrazek schematu: atributy a sipky zavislosti"), none,
                         &MainWindow::showDiagram);
  a_test = makeAction("a_test", tr("&Testovaci modul"), tr("Testovaci modul"),
                      QKeySequence(Qt::CTRL | Qt::Key_T), &MainWindow::openExerciseHub);
  a_about = makeAction("a_about", tr("&O programu"), QString(), none, &MainWindow::showAbout);
  a_print_data = makeAction("a_print_data", QString(), QString(), none, &MainWindow::listSchema);
  a_clear_data = makeAction("a_clear_data", QString(), QString(), none, &MainWindow::clearSchema);

  QStyle* style = QApplication::style();
  a_new->setIcon(style->standardIcon(QStyle::SP_FileIcon));
  a_open_file->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
  a_save_file->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
  const QColor dataTile(46, 125, 50), redundancy(198, 40, 40), algorithms(21, 101, 192),
      test(106, 27, 154);
  a_attributes->setIcon(TileIcon(QStringLiteral("A"), dataTile));
  a_dependencies->setIcon(TileIcon(QStringLiteral("\u2192"), dataTile));
  a_red_atributes->setIcon(TileIcon(tr("RA"), redundancy));
  a_red_dependencies->setIcon(TileIcon(tr("RZ"), redundancy));
  a_keys->setIcon(TileIcon(QStringLiteral("K"), algorithms));
  a_dekomposition->setIcon(TileIcon(QStringLiteral("D"), algorithms));
  a_synthesis->setIcon(TileIcon(QStringLiteral("S"), algorithms));
  a_maxset->setIcon(TileIcon(QStringLiteral("M"), algorithms));
  a_test->setIcon(TileIcon(QStringLiteral("T"), test));
  a_about->setIcon(style->standardIcon(QStyle::SP_MessageBoxInformation));
}

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));

  QMenu* soubor = bar->addMenu(tr("&Soubor"));
  soubor->setObjectName(QStringLiteral("Soubor1"));
  soubor->addAction(a_new);
  soubor->addAction(a_open_file);
  soubor->addAction(a_random_schema);
  soubor->addAction(a_save_file);
  soubor->addAction(a_save_file_as);
  soubor->addAction(a_save_text);
  soubor->addSeparator();
  samplesMenu_ = soubor->addMenu(tr("&Ukazkove schemata"));
  samplesMenu_->setObjectName(QStringLiteral("UkazkoveSchemata1"));
  connect(samplesMenu_, &QMenu::aboutToShow, this, &MainWindow::fillSamplesMenu);
  fillSamplesMenu();
  recentMenu_ = soubor->addMenu(tr("&Posledni soubory"));
  recentMenu_->setObjectName(QStringLiteral("PosledniSoubory1"));
  connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
  fillRecentMenu();
  soubor->addSeparator();
  QAction* konec = soubor->addAction(tr("&Konec"));
  konec->setObjectName(QStringLiteral("Konec1"));
  konec->setStatusTip(tr("Konec programu"));
  konec->setToolTip(tr("Konec programu"));
  connect(konec, &QAction::triggered, this, &MainWindow::close);

  QMenu* dataMenu = bar->addMenu(tr("&Data"));
  dataMenu->setObjectName(QStringLiteral("Data1"));
  dataMenu->addAction(a_attributes);
  dataMenu->addAction(a_dependencies);
  dataMenu->addSeparator();
  const auto [undo, redo] = AddUndoActions(*this, document_.undoStack());
  dataMenu->addAction(undo);
  dataMenu->addAction(redo);
  dataMenu->addSeparator();
  dataMenu->addAction(a_copy_text);
  dataMenu->addAction(a_paste_text);

  QMenu* redundance = bar->addMenu(tr("&Redundance"));
  redundance->setObjectName(QStringLiteral("Redundance1"));
  redundance->addAction(a_red_atributes);
  redundance->addAction(a_red_dependencies);

  QMenu* algoritmy = bar->addMenu(tr("&Algoritmy"));
  algoritmy->setObjectName(QStringLiteral("Algoritmy1"));
  algoritmy->addAction(a_keys);
  algoritmy->addSeparator();
  algoritmy->addAction(a_dekomposition);
  algoritmy->addAction(a_synthesis);
  algoritmy->addSeparator();
  algoritmy->addAction(a_maxset);
  algoritmy->addSeparator();
  algoritmy->addAction(a_diagram);

  QMenu* testovani = bar->addMenu(tr("&Testovani"));
  testovani->setObjectName(QStringLiteral("Testovani1"));
  testovani->addAction(a_test);
  testovani->addSeparator();
  const struct {
    const char* name;
    const char* caption;
    void (MainWindow::*handler)();
  } exercises[] = {
      {"Uzaver1", QT_TR_NOOP("&Uzaver"), &MainWindow::openClosureExercise},
      {"Klice2", QT_TR_NOOP("&Klice"), &MainWindow::openKeysExercise},
      {"Maximalnimnoziny2", QT_TR_NOOP("&Maximalni mnoziny"), &MainWindow::openMaximalSetsExercise},
      {"Redundantniatributy2", QT_TR_NOOP("&Redundantni atributy"),
       &MainWindow::openRedundantAttributesExercise},
      {"Redundantnizavislosti2", QT_TR_NOOP("Redundantni &zavislosti"),
       &MainWindow::openRedundantDependenciesExercise},
      {"Dekompozice1", QT_TR_NOOP("&Dekompozice"), &MainWindow::openDecompositionExercise},
      {"VlastniDekompozice1", QT_TR_NOOP("&Vlastni dekompozice"),
       &MainWindow::openOwnDecompositionExercise},
  };
  for (const auto& item : exercises) {
    QAction* action = testovani->addAction(tr(item.caption));
    action->setObjectName(QString::fromLatin1(item.name));
    runOnTrigger(*action, [this, handler = item.handler] { (this->*handler)(); });
  }

  QMenu* napoveda = bar->addMenu(tr("Napoveda"));
  napoveda->setObjectName(QStringLiteral("Napoveda1"));
  napoveda->addAction(a_about);
  buildLanguageMenu(*napoveda);
}

void MainWindow::buildLanguageMenu(QMenu& help) {
  QMenu* menu = help.addMenu(tr("&Jazyk"));
  menu->setObjectName(QStringLiteral("Jazyk1"));
  auto* group = new QActionGroup(menu);
  const Language chosen = SavedLanguage(settings_, QLocale::system());
  const struct {
    Language language;
    const char* name;
    const char* caption;
  } items[] = {
      {Language::Czech, "a_lang_cs", QT_TR_NOOP("&Cestina")},
      {Language::CzechAscii, "a_lang_cs_ascii", QT_TR_NOOP("Cestina &bez diakritiky")},
      {Language::English, "a_lang_en", QT_TR_NOOP("&Anglictina")},
  };
  for (const auto& item : items) {
    QAction* action = menu->addAction(tr(item.caption));
    action->setObjectName(QString::fromLatin1(item.name));
    action->setCheckable(true);
    action->setChecked(item.language == chosen);
    group->addAction(action);
    runOnTrigger(*action, [this, language = item.language] { chooseLanguage(language); });
  }
}

void MainWindow::chooseLanguage(Language language) {
  SaveLanguage(settings_, language);
  messages_.Inform(tr("Jazyk se zmeni pri pristim spusteni programu."));
}

void MainWindow::buildToolBar() {
  ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  ToolBar1->setIconSize(QSize(24, 24));
  const std::vector<QAction*> order = {a_new,       a_open_file,     a_save_file,
                                       nullptr,     a_attributes,    a_dependencies,
                                       nullptr,     a_red_atributes, a_red_dependencies,
                                       a_keys,      nullptr,         a_dekomposition,
                                       a_synthesis, a_maxset,        nullptr,
                                       a_test};
  auto* noToolTip = new NoToolTip(this);
  for (QAction* action : order) {
    if (action == nullptr) {
      ToolBar1->addSeparator();
      continue;
    }
    ToolBar1->addAction(action);
    if (action == a_new || action == a_maxset || action == a_test) {
      ToolBar1->widgetForAction(action)->installEventFilter(noToolTip);
    }
  }
}

void MainWindow::buildLogs() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("Panel1"));
  auto* layout = new QHBoxLayout(central);

  const auto makeLog = [central](const char* name, const QString& caption, QLayout* into,
                                 int stretch) {
    auto* column = new QVBoxLayout;
    auto* label = new QLabel(caption, central);
    auto* memo = new DataMemo(central);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setReadOnly(true);
    // A log is only ever appended to; it keeps no undo history.
    memo->setUndoRedoEnabled(false);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    label->setBuddy(memo);
    column->addWidget(label);
    column->addWidget(memo);
    static_cast<QBoxLayout*>(into)->addLayout(column, stretch);
    return memo;
  };
  Memo_ABC = makeLog("Memo_ABC", tr("Atributy:"), layout, 1);
  Memo_Dep = makeLog("Memo_Dep", tr("Zavislosti:"), layout, 2);
  // A dependency wider than the window goes on over further lines, which
  // its band keeps together, at whatever size the student gives the window.
  Memo_Dep->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  connect(Memo_Dep->document(), &QTextDocument::blockCountChanged, Memo_Dep,
          [this] { ShadeWrappedLines(*Memo_Dep); });
  setCentralWidget(central);
}

void MainWindow::appendAttributeLog(const std::vector<std::string>& lines) {
  Memo_ABC->appendData(lines);
}

void MainWindow::appendDependencyLog(const std::vector<std::string>& lines) {
  Memo_Dep->appendData(lines);
}

void MainWindow::showFileInTitle() {
  const QString& title = document_.title();
  // "[*]" is where Qt shows the unsaved-changes mark.
  setWindowTitle(title.isEmpty() ? QStringLiteral("Schemario[*]")
                                 : QStringLiteral("Schemario - %1[*]").arg(title));
}

void MainWindow::recomputeKeys() {
  document_.SetKeys(ComputeKeys(document_.dependencies(), document_.attributes()));
}

bool MainWindow::writeToFile() {
  const QString& file = document_.currentFileName();
  if (file.isEmpty()) return writeToChosenFile();
  if (!file_.SaveSchema(file, document_.schema())) return false;
  document_.MarkSaved(file);
  recent_.Add(file);
  return true;
}

bool MainWindow::writeToChosenFile() {
  const std::optional<QString> written = file_.SaveSchemaAs(document_.schema());
  if (!written) return false;
  document_.MarkSaved(*written);
  recent_.Add(*written);
  return true;
}

void MainWindow::fillRecentMenu() {
  recentMenu_->clear();
  const QStringList paths = recent_.Paths();
  recentMenu_->setEnabled(!paths.isEmpty());
  for (qsizetype i = 0; i < paths.size(); ++i) {
    const QString& path = paths[i];
    QAction* item =
        recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
    item->setObjectName(QStringLiteral("PosledniSoubor%1").arg(i + 1));
    item->setToolTip(path);
    item->setStatusTip(path);
    runOnTrigger(*item, [this, path] { openFileAt(path); });
  }
}

void MainWindow::fillSamplesMenu() {
  samplesMenu_->clear();
  const QFileInfoList samples =
      QDir(samplesFolder_)
          .entryInfoList({QStringLiteral("*.dbc")}, QDir::Files | QDir::Readable, QDir::Name);
  samplesMenu_->setEnabled(!samplesFolder_.isEmpty() && !samples.isEmpty());
  for (qsizetype i = 0; i < samples.size(); ++i) {
    QAction* item = samplesMenu_->addAction(samples[i].completeBaseName());
    item->setObjectName(QStringLiteral("UkazkoveSchema%1").arg(i + 1));
    const QString path = samples[i].absoluteFilePath();
    item->setStatusTip(path);
    runOnTrigger(*item, [this, path] { openSample(path); });
  }
}

// A schema that replaced the whole document: its keys, and its listing in
// logs of its own.
void MainWindow::showLoadedSchema() {
  recomputeKeys();
  Memo_ABC->clear();
  Memo_Dep->clear();
  a_print_data->trigger();
}

void MainWindow::openSample(const QString& path) {
  if (!saveOrDiscardChanges()) return;
  std::optional<OpenedSchema> opened = file_.ReadSchemaFileAt(path);
  if (!opened) return;
  document_.LoadUntitled(opened->names, std::move(opened->dependencies),
                         QFileInfo(path).completeBaseName());
  showLoadedSchema();
}

bool MainWindow::saveOrDiscardChanges() {
  if (!document_.dirty()) return true;
  switch (messages_.AskYesNoCancel(tr("Prejete si data ulozit?"))) {
    case MessageAnswer::Yes:
      return writeToFile();
    case MessageAnswer::No:
      return true;
    case MessageAnswer::Cancel:
    case MessageAnswer::Ok:
      break;
  }
  return false;
}

void MainWindow::newSchema() {
  if (!saveOrDiscardChanges()) return;
  document_.Load(AttributeTable{}, DependencyList{}, QString());
  Memo_Dep->clear();
  Memo_ABC->clear();
}

void MainWindow::install(OpenedSchema opened) {
  recent_.Add(opened.path);
  if (opened.fromText) {
    // Saving writes a schema file, so a text opens as a new schema named
    // after it.
    document_.LoadUntitled(opened.names, std::move(opened.dependencies),
                           QFileInfo(opened.path).completeBaseName());
  } else {
    document_.Load(opened.names, std::move(opened.dependencies), opened.path);
  }
  showLoadedSchema();
}

void MainWindow::openFile() {
  if (!saveOrDiscardChanges()) return;
  std::optional<OpenedSchema> opened = file_.ReadSchemaFile();
  if (opened) install(std::move(*opened));
}

bool MainWindow::openFileAt(const QString& path) {
  if (!saveOrDiscardChanges()) return false;
  std::optional<OpenedSchema> opened = file_.ReadSchemaFileAt(path);
  if (!opened) {
    // A recent file that is gone or spoilt would only be refused again.
    if (!QFileInfo(path).isFile()) recent_.Remove(path);
    return false;
  }
  install(std::move(*opened));
  return true;
}

namespace {

// The one local schema file a drag carries; empty for anything else.
QString DraggedSchemaFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return QString();
  const QUrl& url = data->urls().constFirst();
  const QString path = url.toLocalFile();
  if (!url.isLocalFile() ||
      (!SchemaFile::HasSchemaSuffix(path) && !SchemaFile::HasTextSuffix(path))) {
    return QString();
  }
  return url.toLocalFile();
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DraggedSchemaFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = DraggedSchemaFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // The questions and refusals are modal; asked while the drag is still
  // being finished, they would hold up the program the file came from.
  QMetaObject::invokeMethod(
      this, [this, path] { runStep([this, path] { openFileAt(path); }); }, Qt::QueuedConnection);
}

void MainWindow::save() {
  writeToFile();
}

void MainWindow::saveAs() {
  writeToChosenFile();
}

namespace {

// The title a schema text opens with: the schema's name without a suffix.
QString TextTitle(const QString& title) {
  return QFileInfo(title).completeBaseName();
}

}  // namespace

void MainWindow::saveAsText() {
  file_.SaveSchemaAsText(document_.schema(), TextTitle(document_.title()));
}

void MainWindow::copyAsText() {
  const std::variant<QByteArray, QString> text =
      SchemaFile::TextBytes(document_.schema(), TextTitle(document_.title()));
  if (const auto* refusal = std::get_if<QString>(&text)) {
    messages_.Inform(*refusal);
    return;
  }
  QGuiApplication::clipboard()->setText(QString::fromUtf8(std::get<QByteArray>(text)));
  statusBar()->showMessage(tr("Schema je ve schrance jako text"), 5000);
}

void MainWindow::pasteText() {
  const QString text = QGuiApplication::clipboard()->text();
  if (!text.contains(QStringLiteral("->")) && !text.contains(QChar(0x2192))) {
    messages_.Inform(tr("Ve schrance neni schema v textovem zapisu (radky jako A, B -> C)."));
    return;
  }
  const QByteArray bytes = text.toUtf8();
  NotationReadResult read = ReadNotation(std::string_view(bytes.constData(), bytes.size()));
  if (const auto* refusal = std::get_if<NotationRefusal>(&read)) {
    messages_.Inform(tr("Text ve schrance neni schema:") + QLatin1Char('\n') +
                     NotationText::RefusalText(*refusal));
    return;
  }
  // Asked first, so that a stray Ctrl+V never costs the schema.
  if (!messages_.AskYesNo(tr("Nahradit schema textem ze schranky?"))) return;
  NotationSchema& pasted = std::get<NotationSchema>(read);
  openNewSchema(
      pasted.names, std::move(pasted.dependencies),
      pasted.title.empty() ? tr("Schema ze schranky") : QString::fromStdString(pasted.title));
}

void MainWindow::listSchema() {
  appendAttributeLog(AttributeListing(document_.attributes()));
  appendDependencyLog(DependencyListing(document_.dependencies(), document_.attributes()));
}

void MainWindow::clearSchema() {
  document_.ClearSchema();
}

void MainWindow::editAttributes() {
  emit toolRequested(Tool::AttributeEditor);
}

void MainWindow::editDependencies() {
  emit toolRequested(Tool::DependencyEditor);
}

void MainWindow::showRedundantAttributes() {
  emit toolRequested(Tool::RedundantAttributes);
}

void MainWindow::showRedundantDependencies() {
  emit toolRequested(Tool::RedundantDependencies);
}

void MainWindow::findKeys() {
  emit toolRequested(Tool::Keys);
}

// Decomposition and synthesis start from the keys of the schema as it is now.
void MainWindow::openDecomposition() {
  recomputeKeys();
  emit toolRequested(Tool::Decomposition);
}

void MainWindow::openSynthesis() {
  recomputeKeys();
  emit toolRequested(Tool::Synthesis);
}

void MainWindow::showMaximalSets() {
  emit toolRequested(Tool::MaximalSets);
}

void MainWindow::makeRandomSchema() {
  emit toolRequested(Tool::RandomSchema);
}

bool MainWindow::openNewSchema(const AttributeTable& names, DependencyList dependencies,
                               const QString& title) {
  if (!saveOrDiscardChanges()) return false;
  document_.LoadUntitled(names, std::move(dependencies), title);
  showLoadedSchema();
  return true;
}

void MainWindow::showDiagram() {
  emit toolRequested(Tool::Diagram);
}

void MainWindow::openExerciseHub() {
  emit toolRequested(Tool::ExerciseHub);
}

void MainWindow::showAbout() {
  emit toolRequested(Tool::About);
}

void MainWindow::openClosureExercise() {
  emit exerciseRequested(Exercise::Closure);
}

void MainWindow::openKeysExercise() {
  emit exerciseRequested(Exercise::Keys);
}

void MainWindow::openMaximalSetsExercise() {
  emit exerciseRequested(Exercise::MaximalSets);
}

void MainWindow::openRedundantAttributesExercise() {
  emit exerciseRequested(Exercise::RedundantAttributes);
}

void MainWindow::openRedundantDependenciesExercise() {
  emit exerciseRequested(Exercise::RedundantDependencies);
}

void MainWindow::openDecompositionExercise() {
  emit exerciseRequested(Exercise::Decomposition);
}

void MainWindow::openOwnDecompositionExercise() {
  emit exerciseRequested(Exercise::OwnDecomposition);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A save that fails on the way keeps the program open with the work.
  bool mayClose = false;
  runStep([this, &mayClose] { mayClose = saveOrDiscardChanges(); });
  if (!mayClose) {
    event->ignore();
    return;
  }
  document_.ClearSchema();
  event->accept();
  // Closing the main window ends the program, whatever tool windows are open.
  QCoreApplication::quit();
}
