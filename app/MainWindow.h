#pragma once

#include <QMainWindow>
#include <functional>

#include "ExerciseHub.h"
#include "Language.h"
#include "Platform.h"
#include "RecentFiles.h"
#include "Schema.h"
#include "SchemaFileCommands.h"
#include "SchemaHost.h"

class QAction;
class QMenu;
class DataMemo;
class QToolBar;

// The windows the main window's commands open.
enum class Tool {
  AttributeEditor,
  DependencyEditor,
  RedundantAttributes,
  RedundantDependencies,
  Keys,
  Decomposition,
  Synthesis,
  MaximalSets,
  Diagram,
  RandomSchema,
  ExerciseHub,
  About,
};

// The main window: owns the live schema, shows it in two logs and dispatches
// every command. Every command runs as one step: an error it meets is shown
// and the schema stays as the step left it.
class MainWindow final : public QMainWindow, public SchemaHost {
  Q_OBJECT

 public:
  // `samplesFolder` holds the sample schemas offered under "Soubor"; none
  // when empty.
  MainWindow(MessageService& messages, FileDialogService& dialogs, ErrorDisplay& errors,
             QSettings& settings, const QString& samplesFolder, QWidget* parent = nullptr);

  // Opens the schema file at `path` after offering to save unsaved changes;
  // refusals are reported as for the Open command. True when it opened.
  bool openFileAt(const QString& path);
  // Replaces the schema by a new unsaved one after offering to save unsaved
  // changes. True when it was replaced.
  bool openNewSchema(const AttributeTable& names, DependencyList dependencies,
                     const QString& title);

  SchemaDocument& Document() override { return document_; }
  void appendAttributeLog(const std::vector<std::string>& lines);
  void appendDependencyLog(const std::vector<std::string>& lines);

 public slots:
  void newSchema();
  void openFile();
  void save();
  void saveAs();
  void saveAsText();
  void copyAsText();
  void pasteText();
  void editAttributes();
  void editDependencies();
  void showRedundantAttributes();
  void showRedundantDependencies();
  void findKeys();
  void openDecomposition();
  void openSynthesis();
  void showMaximalSets();
  void showDiagram();
  void makeRandomSchema();
  void showLoadedSchema();
  void openExerciseHub();
  void showAbout();
  // Appends the names and dependencies to the logs.
  void listSchema();
  void clearSchema();
  void openClosureExercise();
  void openKeysExercise();
  void openMaximalSetsExercise();
  void openRedundantAttributesExercise();
  void openRedundantDependenciesExercise();
  void openDecompositionExercise();
  void openOwnDecompositionExercise();

 signals:
  // A command asked for another window; the owner of the windows opens it.
  void toolRequested(Tool tool);
  // An exercise item was chosen; it opens as from the test hub.
  void exerciseRequested(Exercise exercise);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Runs one command; an exception escaping it is shown, and the window
  // stays with what the command had reached.
  void runStep(const std::function<void()>& step);
  void runOnTrigger(QAction& action, std::function<void()> step);
  // Installs a schema just read and lists it.
  void install(OpenedSchema opened);
  void fillRecentMenu();
  void fillSamplesMenu();
  // Opens a sample as a new schema without a file, so that saving asks
  // where: the samples are installed where a student cannot write.
  void openSample(const QString& path);
  QAction* makeAction(const char* name, const QString& caption, const QString& hint,
                      const QKeySequence& shortcut, void (MainWindow::*handler)());
  void buildActions();
  void buildMenus();
  void buildLanguageMenu(QMenu& help);
  // Keeps the choice for the next start: the texts of the open windows stay.
  void chooseLanguage(Language language);
  void buildToolBar();
  void buildLogs();
  void recomputeKeys();
  // Offers to save unsaved changes before they would be lost; false when the
  // student cancelled or the save failed, so that the work stays.
  bool saveOrDiscardChanges();
  // Writes to the schema's file, or asks for one; true when written.
  bool writeToFile();
  bool writeToChosenFile();
  void showFileInTitle();

  MessageService& messages_;
  ErrorDisplay& errors_;
  QSettings& settings_;
  SchemaDocument document_;
  SchemaFileCommands file_;
  RecentFiles recent_;
  QMenu* recentMenu_ = nullptr;
  QString samplesFolder_;
  QMenu* samplesMenu_ = nullptr;
  DataMemo* Memo_ABC = nullptr;
  DataMemo* Memo_Dep = nullptr;
  QToolBar* ToolBar1 = nullptr;

  QAction* a_new = nullptr;
  QAction* a_open_file = nullptr;
  QAction* a_save_file = nullptr;
  QAction* a_save_file_as = nullptr;
  QAction* a_save_text = nullptr;
  QAction* a_copy_text = nullptr;
  QAction* a_paste_text = nullptr;
  QAction* a_attributes = nullptr;
  QAction* a_dependencies = nullptr;
  QAction* a_red_atributes = nullptr;
  QAction* a_red_dependencies = nullptr;
  QAction* a_keys = nullptr;
  QAction* a_dekomposition = nullptr;
  QAction* a_synthesis = nullptr;
  QAction* a_maxset = nullptr;
  QAction* a_diagram = nullptr;
  QAction* a_random_schema = nullptr;
  QAction* a_test = nullptr;
  QAction* a_about = nullptr;
  QAction* a_print_data = nullptr;
  QAction* a_clear_data = nullptr;
};
