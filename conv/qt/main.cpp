// TRELVO: Form1 drawn with Qt.

#include "conv/core/converter_form.h"
#include "ui/qt/program.h"

int main(int argc, char** argv) { return korvel::qt::RunProgram(argc, argv, "TRELVO", korvel::conv::ConverterForm()); }
