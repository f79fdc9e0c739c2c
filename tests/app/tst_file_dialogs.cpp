// The real file dialogs start where a student can work: never in a folder he
// cannot write to, such as the installed samples the program was started in.

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "GuiTestSupport.h"
#include "QtPlatform.h"

class FileDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void saveAsFromAReadOnlyFolderOffersTheDocumentsFolder() {
    QTemporaryDir top;
    const QString readOnly =
        QFileInfo(WritableFileInReadOnlyFolder(top, "sample.dbc", "A;B;:0 -1;")).absolutePath();
    // A home of the student's own, which "nobody" may write to.
    const QString home = top.filePath(QStringLiteral("home"));
    const QString documents = home + QStringLiteral("/Documents");
    QVERIFY(QDir().mkpath(documents));
    for (const QString& folder : {home, documents})
      QVERIFY(QFile::setPermissions(folder, QFile::Permissions(0x7777)));
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.toLocal8Bit());

    ScriptedPlatform platform;
    QTemporaryDir settingsDir;
    QSettings settings(settingsDir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    // The last file was opened among the installed samples.
    settings.setValue(QStringLiteral("lastFolder"), readOnly);
    QtFileDialogService dialogs(settings);
    ProgramWindows windows(platform, dialogs, platform, platform, platform, settings, QString());
    windows.mainWindow().Document().SetAttributes({"A", "B"});

    QString offered;
    const bool saved = RunInChild(-1, true, [&] {
      QTimer::singleShot(0, [&offered] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        offered = dialog->directory().absolutePath();
        dialog->selectFile(QStringLiteral("mine"));
        static_cast<QDialog*>(dialog)->accept();
      });
      Find<QAction>(windows.mainWindow(), "a_save_file_as")->trigger();
      return offered == documents && platform.messages.empty() &&
             QFile::exists(documents + QStringLiteral("/mine.dbc"));
    });
    QVERIFY(saved);
  }
};

QTEST_MAIN(FileDialogsTest)
#include "tst_file_dialogs.moc"
