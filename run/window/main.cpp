#include <QApplication>

#include "run/window/launcher_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("KORVEL_RUN");
  korvel::run::LauncherWindow window;
  window.show();
  return QApplication::exec();
}
