#include "ui/win32/fonts.h"

#include "ui/form/window_base.h"
#include "ui/win32/form_window.h"

namespace korvel::win32 {
namespace {

int CALLBACK Found(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) {
  auto* face = reinterpret_cast<std::wstring*>(found);
  if (face->empty() && font->lfFaceName[0] != L'@') *face = font->lfFaceName;  // '@': vertical variants
  return 1;
}

std::wstring FirstFace(const wchar_t* face, BYTE charset) {
  LOGFONTW wanted{};
  wanted.lfCharSet = charset;
  if (face) wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  std::wstring found;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, Found, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

// Font heights are negative: the character height without the leading.
HFONT CreateFace(const std::wstring& face, double points, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -static_cast<LONG>(points * dpi / 72 + 0.5);
  font.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}

}  // namespace

std::wstring ChineseLabelFace() {
  for (const char* face : form::kLabelFaces) {
    const std::wstring wide = Wide(face);
    if (!FirstFace(wide.c_str(), DEFAULT_CHARSET).empty()) return wide;
  }
  const std::wstring chinese = FirstFace(nullptr, GB2312_CHARSET);
  return chinese.empty() ? L"SimSun" : chinese;
}

HFONT CreateMessageFont(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTW font = metrics.lfMessageFont;
  // The metrics are for 96 dpi when the program is not told otherwise.
  font.lfHeight = MulDiv(font.lfHeight, dpi, 96);
  return CreateFontIndirectW(&font);
}

HFONT CreateChineseLabelFont(int dpi, const std::wstring& text, int width, int height) {
  const std::wstring face = ChineseLabelFace();
  HDC screen = GetDC(nullptr);
  const double points = form::LabelPoints([&](double size) {
    HFONT font = CreateFace(face, size, dpi);
    HGDIOBJ old = SelectObject(screen, font);
    RECT needed{0, 0, width, 0};
    DrawTextW(screen, text.c_str(), static_cast<int>(text.size()), &needed, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(screen, old);
    DeleteObject(font);
    return needed.bottom <= height;
  });
  ReleaseDC(nullptr, screen);
  return CreateFace(face, points, dpi);
}

}  // namespace korvel::win32
