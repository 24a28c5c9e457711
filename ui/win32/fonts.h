#pragma once
// The fonts of the Win32 windows: the system's message font for most
// controls, and for the Chinese labels SimSun 10.5 pt where it is installed,
// otherwise the first Chinese font, shrunk where the text would not fit.

#include <windows.h>

#include <string>

namespace korvel::win32 {

HFONT CreateMessageFont(int dpi);

// The label font for `text` within width x height pixels.
HFONT CreateChineseLabelFont(int dpi, const std::wstring& text, int width, int height);

// The face the Chinese labels use on this system ("SimSun" where present).
std::wstring ChineseLabelFace();

}  // namespace korvel::win32
