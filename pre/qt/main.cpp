// KORVEL_PRE: frmMain drawn with Qt.

#include "pre/core/section_form.h"
#include "ui/qt/program.h"

int main(int argc, char** argv) { return korvel::qt::RunProgram(argc, argv, "KORVEL_PRE", korvel::pre::SectionForm()); }
