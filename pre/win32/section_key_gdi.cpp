#include "pre/win32/section_key_gdi.h"

#include <cmath>
#include <string>

namespace korvel::pre {
namespace {

constexpr int kWidth = 203, kHeight = 240;
constexpr COLORREF kBackground = RGB(212, 208, 200), kSection = RGB(190, 186, 178), kBarGreen = RGB(0, 160, 0);

void Arrow(HDC dc, POINT from, POINT to) {
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
  const double dx = to.x - from.x, dy = to.y - from.y, length = std::hypot(dx, dy);
  const double ax = dx / length, ay = dy / length;
  const POINT head[3] = {to,
                         {static_cast<LONG>(to.x - ax * 8 - ay * 4), static_cast<LONG>(to.y - ay * 8 + ax * 4)},
                         {static_cast<LONG>(to.x - ax * 8 + ay * 4), static_cast<LONG>(to.y - ay * 8 - ax * 4)}};
  Polygon(dc, head, 3);
}

HFONT Font(const wchar_t* face, int pixels, bool italic) {
  return CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, italic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, face);
}

}  // namespace

void DrawSectionKeyGdi(HDC dc, const RECT& place) {
  const int saved = SaveDC(dc);
  SetViewportOrgEx(dc, place.left, place.top, nullptr);
  HBRUSH background = CreateSolidBrush(kBackground);
  const RECT picture{0, 0, kWidth, kHeight};
  FillRect(dc, &picture, background);

  const int left = 30, top = 30, right = 170, bottom = 210, strip = 14;
  HPEN edge = CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
  HBRUSH fill = CreateSolidBrush(kSection);
  SelectObject(dc, edge);
  SelectObject(dc, fill);
  Rectangle(dc, left, top, right + 1, bottom + 1);

  // Grid lines: next to each face, then three between them dividing the core in four.
  HPEN dotted = CreatePen(PS_DOT, 1, RGB(255, 255, 255));
  SelectObject(dc, dotted);
  SetBkMode(dc, TRANSPARENT);
  int xs[5], ys[5];
  for (int i = 0; i <= 4; ++i) {
    xs[i] = left + strip + i * (right - left - 2 * strip) / 4;
    ys[i] = top + strip + i * (bottom - top - 2 * strip) / 4;
    MoveToEx(dc, xs[i], top, nullptr);
    LineTo(dc, xs[i], bottom);
    MoveToEx(dc, left, ys[i], nullptr);
    LineTo(dc, right, ys[i]);
  }

  const POINT centre{(left + right) / 2, (top + bottom) / 2};
  HPEN axis = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  SelectObject(dc, axis);
  SelectObject(dc, black);
  Arrow(dc, centre, {right + 22, centre.y});
  Arrow(dc, centre, {centre.x, top - 22});
  HFONT italic = Font(L"Times New Roman", 16, true);
  SelectObject(dc, italic);
  SetTextColor(dc, RGB(0, 0, 0));
  TextOutW(dc, right + 16, centre.y + 2, L"x", 1);
  TextOutW(dc, centre.x + 6, top - 28, L"y", 1);

  // Bars where the lines next to the faces cross, numbered from the bottom left.
  const POINT bars[4] = {{xs[0], ys[4]}, {xs[4], ys[4]}, {xs[0], ys[0]}, {xs[4], ys[0]}};
  HBRUSH green = CreateSolidBrush(kBarGreen);
  HFONT numbers = Font(L"Arial", 12, false);
  SelectObject(dc, numbers);
  SelectObject(dc, GetStockObject(NULL_PEN));
  SelectObject(dc, green);
  for (int k = 0; k < 4; ++k) {
    Ellipse(dc, bars[k].x - 4, bars[k].y - 4, bars[k].x + 5, bars[k].y + 5);
    const bool leftBar = k % 2 == 0, bottomBar = k < 2;
    const std::wstring number = std::to_wstring(k + 1);
    TextOutW(dc, bars[k].x + (leftBar ? 6 : -14), bars[k].y + (bottomBar ? -18 : 4), number.c_str(), 1);
  }

  RestoreDC(dc, saved);
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(background), static_cast<HGDIOBJ>(edge), static_cast<HGDIOBJ>(fill),
                         static_cast<HGDIOBJ>(dotted), static_cast<HGDIOBJ>(axis), static_cast<HGDIOBJ>(italic),
                         static_cast<HGDIOBJ>(green), static_cast<HGDIOBJ>(numbers)}) {
    DeleteObject(object);
  }
}

}  // namespace korvel::pre
