// TRELVO.exe: Form1 drawn with Win32.

#include <windows.h>

#include "conv/core/converter_form.h"
#include "ui/win32/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return korvel::win32::RunProgram(korvel::conv::ConverterForm());
}
