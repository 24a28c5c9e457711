// KORVEL_PRE.exe: frmMain drawn with Win32.

#include <windows.h>

#include "pre/core/section_form.h"
#include "ui/win32/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return korvel::win32::RunProgram(korvel::pre::SectionForm()); }
