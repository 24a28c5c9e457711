#pragma once
// A described picture drawn with GDI, at its natural size from the top left
// of `place`.

#include <windows.h>

#include "ui/form/form.h"

namespace korvel::win32 {

void DrawPicture(HDC dc, const RECT& place, const form::Picture& picture);

}  // namespace korvel::win32
