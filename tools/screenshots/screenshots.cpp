// Drives every window of the program on a sample schema and saves a picture
// of each. The modal services answer from a script, so no dialog stops the
// run: questions are answered Yes, file dialogs give the sample's path.
// The windows speak the given language, by default the source texts.
//   schemario_screenshots SCHEMA.dbc OUTPUT_FOLDER [cs|cs_ascii|en]

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>
#include <cstdio>

#include "AttributeEditorDialog.h"
#include "ClosureExercise.h"
#include "DecompositionExercise.h"
#include "DecompositionWindow.h"
#include "DependencyEditorDialog.h"
#include "DiagramWindow.h"
#include "ExerciseHub.h"
#include "KeysExercise.h"
#include "KeysWindow.h"
#include "Language.h"
#include "MainWindow.h"
#include "MaximalSetExercise.h"
#include "MaximalSetsWindow.h"
#include "OwnDecompositionExercise.h"
#include "ProgramWindows.h"
#include "RandomSchemaDialog.h"
#include "RedundantAttributesExercise.h"
#include "RedundantAttributesWindow.h"
#include "RedundantDependenciesExercise.h"
#include "RedundantDependenciesWindow.h"
#include "ReportWindow.h"
#include "ScriptedPlatform.h"
#include "SynthesisWindow.h"

namespace {

class Shooter {
 public:
  explicit Shooter(const QString& folder) : folder_(folder) {}

  void Save(QWidget& window, const char* name) {
    window.raise();
    for (int i = 0; i < 5; ++i)
      QApplication::processEvents();
    const QString path = folder_.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      failed_ = true;
      return;
    }
    std::printf("%s\n", qPrintable(path));
  }

  bool Failed() const { return failed_; }

 private:
  QDir folder_;
  bool failed_ = false;
};

void Trigger(QWidget& window, const char* action) {
  auto* a = window.findChild<QAction*>(QString::fromLatin1(action));
  if (a == nullptr) qFatal("no action %s", action);
  a->trigger();
}

// Double-clicks, through its handler, the first dependency row that is
// enabled (a row whose dependency violates a normal form).
template <typename Window, typename Handler>
bool SplitByFirstColouredRow(Window& window, Handler handler) {
  for (QWidget* row : window.template findChildren<QWidget*>()) {
    if (row->objectName().startsWith(QStringLiteral("Edit_Dep")) && row->isEnabled() &&
        row->isVisible()) {
      (window.*handler)(row->property("tag").toInt());
      return true;
    }
  }
  return false;
}

// Saves the print window while a report holds it modally, then closes it.
void ShootPrintWindowWhenShown(ProgramWindows& windows, Shooter& shooter, const char* name) {
  QTimer::singleShot(0, [&windows, &shooter, name] {
    shooter.Save(windows.reportWindow(), name);
    windows.reportWindow().reject();
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Schemario"));
  const std::optional<Language> language =
      argc == 4 ? LanguageNamed(QString::fromLocal8Bit(argv[3])) : Language::CzechAscii;
  if ((argc != 3 && argc != 4) || !language) {
    std::fprintf(stderr, "usage: %s SCHEMA.dbc OUTPUT_FOLDER [cs|cs_ascii|en]\n", argv[0]);
    return 2;
  }
  const Translators translators(*language);
  const QString schema = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(QString::fromLocal8Bit(argv[2]));
  Shooter shooter(QString::fromLocal8Bit(argv[2]));

  ScriptedPlatform platform;
  for (int i = 0; i < 200; ++i)
    platform.answers.push_back(MessageAnswer::Yes);
  // Settings in the picture folder, so that shooting leaves the user's alone.
  QSettings settings(QString::fromLocal8Bit(argv[2]) + QStringLiteral("/settings.ini"),
                     QSettings::IniFormat);
  ProgramWindows windows(platform, platform, platform, platform, platform, settings, QString());
  MainWindow& main = windows.mainWindow();
  main.show();
  platform.paths.push_back(schema);
  Trigger(main, "a_open_file");
  shooter.Save(main, "01-main-window");

  AttributeEditorDialog& attributes = windows.attributeEditor();
  attributes.prepare();
  attributes.show();
  shooter.Save(attributes, "02-attribute-editor");
  attributes.reject();

  DependencyEditorDialog& dependencies = windows.dependencyEditor();
  dependencies.prepare();
  dependencies.show();
  shooter.Save(dependencies, "03-dependency-editor");
  // The text tab with a misspelt name typed in its fourth line, refused
  // when the student goes back to the rows.
  auto* tabs = dependencies.findChild<QTabWidget*>(QStringLiteral("TabWidget_Dependencies"));
  auto* text = dependencies.findChild<QPlainTextEdit*>(QStringLiteral("Memo_DependencyText"));
  tabs->setCurrentIndex(1);
  QTextCursor line(text->document()->findBlockByNumber(3));
  line.insertText(QStringLiteral("Zakaznil -> Adresa\n"));
  tabs->setCurrentIndex(0);
  shooter.Save(dependencies, "03-dependency-editor-text");
  dependencies.reject();

  Trigger(main, "a_keys");
  windows.keysWindow().showFirstKey();
  windows.keysWindow().showFurtherKeys();
  shooter.Save(windows.keysWindow(), "04-keys");

  Trigger(main, "a_red_atributes");
  if (windows.redundantAttributesWindow().isVisible()) {
    shooter.Save(windows.redundantAttributesWindow(), "05-redundant-attributes");
  }
  Trigger(main, "a_red_dependencies");
  if (windows.redundantDependenciesWindow().isVisible()) {
    shooter.Save(windows.redundantDependenciesWindow(), "06-redundant-dependencies");
  }

  Trigger(main, "a_maxset");
  MaximalSetsWindow& maxSet = windows.maximalSetsWindow();
  maxSet.findChild<QComboBox*>(QStringLiteral("CB_MaxSetA"))->setCurrentIndex(1);
  maxSet.showMaxSetsOfAttribute();
  maxSet.showMaxFamily();
  shooter.Save(maxSet, "07-maximal-sets");

  Trigger(main, "a_dekomposition");
  DecompositionWindow& decomposition = windows.decompositionWindow();
  decomposition.showSchema(0);
  SplitByFirstColouredRow(decomposition, &DecompositionWindow::splitShownSchema);
  // Then split a child that still violates a normal form.
  for (int slot : {1, 2}) {
    decomposition.showSchema(slot);
    if (SplitByFirstColouredRow(decomposition, &DecompositionWindow::splitShownSchema)) break;
  }
  decomposition.addUncoveredSchemas();
  decomposition.addProjectionSchemas();
  decomposition.showSchema(0);
  shooter.Save(decomposition, "08-decomposition");
  ShootPrintWindowWhenShown(windows, shooter, "09-print-window");
  decomposition.printCourse();

  Trigger(main, "a_synthesis");
  SynthesisWindow& synthesis = windows.synthesisWindow();
  synthesis.splitByLeftSides();
  synthesis.mergeEquivalentKeys();
  synthesis.absorbProjections();
  synthesis.showSchemaDetails(1);
  shooter.Save(synthesis, "10-synthesis");

  Trigger(main, "a_diagram");
  shooter.Save(windows.diagramWindow(), "28-diagram");
  RandomSchemaDialog& random = windows.randomSchemaDialog();
  random.prepare();
  random.show();
  shooter.Save(random, "29-random-schema");
  random.reject();

  Trigger(main, "a_test");
  shooter.Save(windows.exerciseHub(), "11-test-hub");

  Trigger(main, "Uzaver1");
  shooter.Save(windows.closureExercise(), "12-exercise-closure");
  Trigger(main, "Maximalnimnoziny2");
  shooter.Save(windows.maximalSetExercise(), "13-exercise-maximal-sets");
  Trigger(main, "Klice2");
  shooter.Save(windows.keysExercise(), "14-exercise-keys");
  windows.keysExercise().checkAnswer();
  shooter.Save(windows.keysExercise(), "15-exercise-keys-checked");
  Trigger(main, "Redundantniatributy2");
  shooter.Save(windows.redundantAttributesExercise(), "16-exercise-redundant-attributes");
  platform.answers.push_front(MessageAnswer::No);  // show the solution
  windows.redundantAttributesExercise().checkAnswer();
  shooter.Save(windows.redundantAttributesExercise(), "17-exercise-redundant-attributes-checked");
  Trigger(main, "Redundantnizavislosti2");
  shooter.Save(windows.redundantDependenciesExercise(), "18-exercise-redundant-dependencies");
  platform.answers.push_front(MessageAnswer::No);  // show the solution
  windows.redundantDependenciesExercise().checkAnswer();
  shooter.Save(windows.redundantDependenciesExercise(),
               "19-exercise-redundant-dependencies-checked");
  Trigger(main, "Dekompozice1");
  shooter.Save(windows.decompositionExercise(), "20-exercise-decomposition");
  platform.answers.push_front(MessageAnswer::No);  // show the solution
  windows.decompositionExercise().checkAnswer();
  shooter.Save(windows.decompositionExercise(), "21-exercise-decomposition-checked");

  // A decomposition of the student's own: the first two attributes, then
  // the rest.
  Trigger(main, "VlastniDekompozice1");
  OwnDecompositionExercise& own = windows.ownDecompositionExercise();
  const QList<QCheckBox*> boxes = own.findChildren<QCheckBox*>();
  for (int k = 0; k < boxes.size(); ++k) {
    if (k < 2) boxes[k]->setChecked(true);
  }
  own.addPart();
  for (int k = 1; k < boxes.size(); ++k)
    boxes[k]->setChecked(true);
  own.addPart();
  own.evaluate();
  shooter.Save(own, "27-exercise-own-decomposition");

  // The dependency editor's OK installs the list again while the windows
  // are open: the redundancy windows refill, the others say they are out of
  // date.
  main.Document().ReplaceDependencies(main.Document().dependencies());
  if (windows.redundantAttributesWindow().isVisible()) {
    shooter.Save(windows.redundantAttributesWindow(), "22-redundant-attributes-refilled");
  }
  shooter.Save(windows.keysWindow(), "23-keys-out-of-date");
  shooter.Save(maxSet, "24-maximal-sets-out-of-date");
  shooter.Save(decomposition, "25-decomposition-out-of-date");
  shooter.Save(windows.keysExercise(), "26-exercise-keys-out-of-date");

  // Practice on a schema of the exercise's own: seven attributes, eight
  // dependencies, 3NF; the score goes on from the first answer.
  platform.randomValues = {2, 1, 2, 4242};
  RedundantDependenciesExercise& practice = windows.redundantDependenciesExercise();
  practice.nextRandomSchema();
  platform.answers.push_front(MessageAnswer::No);  // show the solution
  practice.checkAnswer();
  shooter.Save(practice, "30-exercise-next-random-schema");

  // On a practice schema of five attributes, the closure of D, derived by
  // Armstrong's rules.
  ClosureExercise& closure = windows.closureExercise();
  platform.randomValues = {0, 0, 1, 7};
  closure.nextRandomSchema();
  closure.findChild<QWidget*>(QStringLiteral("Rows_Panel1"))
      ->findChildren<QAbstractButton*>()
      .at(3)
      ->click();
  closure.fixTask();
  platform.answers.push_front(MessageAnswer::No);  // show the solution
  closure.checkAnswer();
  shooter.Save(closure, "31-exercise-closure-derivation");

  return shooter.Failed() ? 1 : 0;
}
