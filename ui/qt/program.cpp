#include "ui/qt/program.h"

#include <QApplication>

#include "ui/qt/form_widget.h"

namespace korvel::qt {

int RunProgram(int argc, char** argv, const char* name, const form::Form& form) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(name);
  FormWidget window(form);
  window.show();
  return QApplication::exec();
}

}  // namespace korvel::qt
