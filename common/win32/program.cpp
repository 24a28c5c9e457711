#include "common/win32/program.h"

#include <commctrl.h>

namespace korvel::win32 {

int RunProgram(const form::Form& form, form::ClickHandler clicked, PictureDrawer picture) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  FormWindow window(form, clicked, picture);
  return window.Run();
}

}  // namespace korvel::win32
