#pragma once
// Drives a Win32 form window in tests as a user would, through its native
// controls: clicks, typed texts, Tab and Enter through the dialog manager.

#include <windows.h>

#include <string>

#include "common/win32/form_window.h"

namespace korvel::test_support {

inline void Click(HWND control) { SendMessageW(control, BM_CLICK, 0, 0); }

inline void Type(HWND control, const std::string& utf8) {
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(win32::Wide(utf8).c_str()));
}

inline std::string TextOf(HWND control) {
  wchar_t text[512] = L"";
  GetWindowTextW(control, text, 512);
  return win32::Utf8(text);
}

// The control's place in the window's client area, in pixels.
inline RECT PlaceOf(HWND window, HWND control) {
  RECT place;
  GetWindowRect(control, &place);
  MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&place), 2);
  return place;
}

inline RECT Pixels(int left, int top, int width, int height) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  const int x = MulDiv(left, dpi, 1440), y = MulDiv(top, dpi, 1440);
  return {x, y, x + MulDiv(width, dpi, 1440), y + MulDiv(height, dpi, 1440)};
}

inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A key pressed in the window, as its message loop hands it to the dialog manager.
inline void PressKey(HWND window, WPARAM key) {
  MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
  if (!IsDialogMessageW(window, &message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  MSG up{GetFocus(), WM_KEYUP, key, 0, 0, {}};
  IsDialogMessageW(window, &up);
  // Let what the key caused (WM_COMMAND sent or posted) happen.
  MSG pending;
  while (PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE)) {
    if (pending.message == WM_QUIT) break;
    TranslateMessage(&pending);
    DispatchMessageW(&pending);
  }
}

// Whether every character of the control's caption has a glyph in its font.
inline bool HasEveryGlyph(HWND control) {
  const std::wstring text = win32::Wide(TextOf(control));
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  std::wstring glyphs(text.size(), L'\0');
  GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), reinterpret_cast<WORD*>(glyphs.data()),
                   GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return glyphs.find(static_cast<wchar_t>(0xFFFF)) == std::wstring::npos;
}

}  // namespace korvel::test_support
