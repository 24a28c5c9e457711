#pragma once
// The whole of a window program: common controls 6 and dpi awareness (also
// declared in the manifest), the window, its messages until it closes.

#include "ui/win32/form_window.h"

namespace korvel::win32 {

int RunProgram(const form::Form& form);

}  // namespace korvel::win32
