// KORVEL_PRE.exe: frmMain drawn with Win32.

#include <windows.h>

#include "common/win32/program.h"
#include "pre/core/section_form.h"
#include "pre/win32/section_key_gdi.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return korvel::win32::RunProgram(korvel::pre::SectionForm(), korvel::pre::SectionFormClicked,
                                   korvel::pre::DrawSectionKeyGdi);
}
