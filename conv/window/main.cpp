#include <QApplication>

#include "conv/window/converter_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("TRELVO");
  korvel::conv::ConverterWindow window;
  window.show();
  return QApplication::exec();
}
