// TRELVO.exe: Form1 drawn with Win32.

#include <windows.h>

#include "ui/win32/program.h"
#include "conv/core/converter_form.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return korvel::win32::RunProgram(korvel::conv::ConverterForm());
}
