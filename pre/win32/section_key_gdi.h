#pragma once
// The key picture of KORVEL_PRE drawn with GDI, as the Qt window paints it:
// the section, its 6 x 6 cells, the axes and the four numbered bars.

#include <windows.h>

namespace korvel::pre {

void DrawSectionKeyGdi(HDC dc, const RECT& place);

}  // namespace korvel::pre
