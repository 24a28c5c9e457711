// KORVEL_RUN.exe: frmMain drawn with Win32.

#include <windows.h>

#include "run/core/launcher_form.h"
#include "ui/win32/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return korvel::win32::RunProgram(korvel::run::LauncherForm()); }
