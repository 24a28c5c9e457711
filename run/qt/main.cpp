// KORVEL_RUN: frmMain drawn with Qt.

#include "run/core/launcher_form.h"
#include "ui/qt/program.h"

int main(int argc, char** argv) {
  return korvel::qt::RunProgram(argc, argv, "KORVEL_RUN", korvel::run::LauncherForm());
}
