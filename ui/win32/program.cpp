#include "ui/win32/program.h"

#include <commctrl.h>

namespace korvel::win32 {

int RunProgram(const form::Form& form) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  FormWindow window(form);
  return window.Run();
}

}  // namespace korvel::win32
