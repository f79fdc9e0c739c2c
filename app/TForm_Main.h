#pragma once

#include <QMainWindow>

#include "ExerciseHub.h"
#include "File_open_close.h"
#include "Language.h"
#include "Platform.h"
#include "RecentFiles.h"
#include "Schema.h"
#include "SchemaHost.h"

class QAction;
class QMenu;
class QPlainTextEdit;
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
  ExerciseHub,
  About,
};

// The workbench: owns the live schema, shows it in two logs and dispatches
// every command.
class TForm_Main final : public QMainWindow, public SchemaHost {
  Q_OBJECT

 public:
  // `samplesFolder` holds the sample schemas offered under "Soubor"; none
  // when empty.
  TForm_Main(MessageService& messages, FileDialogService& dialogs, QSettings& settings,
             const QString& samplesFolder, QWidget* parent = nullptr);

  // Opens the schema file at `path` after offering to save unsaved changes;
  // refusals are reported as for the Open command. True when it opened.
  bool OpenFile(const QString& path);

  SchemaDocument& Document() override { return document_; }
  void AppendAttributeLog(const std::vector<std::string>& lines);
  void AppendDependencyLog(const std::vector<std::string>& lines);

  void a_newExecute();
  void a_open_fileExecute();
  void a_save_fileExecute();
  void a_save_file_asExecute();
  void a_attributesExecute();
  void a_dependenciesExecute();
  void a_red_atributesExecute();
  void a_red_dependenciesExecute();
  void a_keysExecute();
  void a_dekompositionExecute();
  void a_synthesisExecute();
  void a_maxsetExecute();
  void a_testExecute();
  void a_aboutExecute();
  void a_print_dataExecute();
  void a_clear_dataExecute();
  void Konec1Click();
  void Uzaver1Click();
  void Klice2Click();
  void Maximalnimnoziny2Click();
  void Redundantniatributy2Click();
  void Redundantnizavislosti2Click();
  void Dekompozice1Click();
  void VlastniDekompozice1Click();

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
  // Installs a schema just read and lists it.
  void Install(OpenedSchema opened);
  void FillRecentMenu();
  void FillSamplesMenu();
  // Opens a sample as a new schema without a file, so that saving asks
  // where: the samples are installed where a student cannot write.
  void OpenSample(const QString& path);
  QAction* MakeAction(const char* name, const QString& caption, const QString& hint,
                      const QKeySequence& shortcut, void (TForm_Main::*handler)());
  void BuildActions();
  void BuildMenus();
  void BuildLanguageMenu(QMenu& help);
  // Keeps the choice for the next start: the texts of the open windows stay.
  void ChooseLanguage(Language language);
  void BuildToolBar();
  void BuildLogs();
  void RecomputeKeys();
  void FormClose();
  // Offers to save unsaved changes before they would be lost; false when the
  // student cancelled or the save failed, so that the work stays.
  bool SaveOrDiscardChanges();
  // Writes to the schema's file, or asks for one; true when written.
  bool Save();
  bool SaveAs();
  void ShowFileInTitle();

  MessageService& messages_;
  QSettings& settings_;
  SchemaDocument document_;
  File_open_close file_;
  RecentFiles recent_;
  QMenu* recentMenu_ = nullptr;
  QString samplesFolder_;
  QMenu* samplesMenu_ = nullptr;
  QPlainTextEdit* Memo_ABC = nullptr;
  QPlainTextEdit* Memo_Dep = nullptr;
  QToolBar* ToolBar1 = nullptr;

  QAction* a_new = nullptr;
  QAction* a_open_file = nullptr;
  QAction* a_save_file = nullptr;
  QAction* a_save_file_as = nullptr;
  QAction* a_attributes = nullptr;
  QAction* a_dependencies = nullptr;
  QAction* a_red_atributes = nullptr;
  QAction* a_red_dependencies = nullptr;
  QAction* a_keys = nullptr;
  QAction* a_dekomposition = nullptr;
  QAction* a_synthesis = nullptr;
  QAction* a_maxset = nullptr;
  QAction* a_test = nullptr;
  QAction* a_about = nullptr;
  QAction* a_print_data = nullptr;
  QAction* a_clear_data = nullptr;
};
