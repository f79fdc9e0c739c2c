#include <QApplication>
#include <QIcon>

#include "QtPlatform.h"
#include "TForm_Main.h"
#include "Workbench.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Schemario"));
  QApplication::setQuitOnLastWindowClosed(false);
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/schemario-%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);

  QtPlatform platform;
  int status = 1;
  // A failure while the windows are built would otherwise end the program
  // before any window could say why.
  platform.errors.Run([&] {
    Workbench workbench(platform.messages, platform.files, platform.printing, platform.errors,
                        platform.random);
    workbench.Main().show();
    status = QApplication::exec();
  });
  return status;
}
