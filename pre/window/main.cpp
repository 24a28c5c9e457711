#include <QApplication>

#include "pre/window/section_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("KORVEL_PRE");
  korvel::pre::SectionWindow window;
  window.show();
  return QApplication::exec();
}
