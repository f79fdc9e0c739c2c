#include <QApplication>

#include "QtPlatform.h"
#include "TForm_Main.h"
#include "Workbench.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Schemario"));
  QApplication::setQuitOnLastWindowClosed(false);

  QtPlatform platform;
  Workbench workbench(platform.messages, platform.files, platform.printing, platform.errors,
                      platform.random);
  workbench.Main().show();
  return QApplication::exec();
}
