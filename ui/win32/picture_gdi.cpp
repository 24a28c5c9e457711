#include "ui/win32/picture_gdi.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "ui/win32/form_window.h"

namespace korvel::win32 {
namespace {

COLORREF ToGdi(const form::Colour& c) { return RGB(c.red, c.green, c.blue); }

LONG Round(double v) { return static_cast<LONG>(std::lround(v)); }

// Pens, brushes and fonts made for one drawing and deleted with it.
class Objects {
 public:
  explicit Objects(HDC dc) : dc_(dc) {}
  ~Objects() {
    for (HGDIOBJ object : made_) DeleteObject(object);
  }
  void Use(HGDIOBJ object, bool owned = true) {
    SelectObject(dc_, object);
    if (owned) made_.push_back(object);
  }

 private:
  HDC dc_;
  std::vector<HGDIOBJ> made_;
};

}  // namespace

void DrawPicture(HDC dc, const RECT& place, const form::Picture& picture) {
  const int saved = SaveDC(dc);
  SetViewportOrgEx(dc, place.left, place.top, nullptr);
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_BASELINE | TA_LEFT);
  {
    Objects objects(dc);
    HBRUSH background = CreateSolidBrush(ToGdi(picture.background));
    const RECT whole{0, 0, picture.width, picture.height};
    FillRect(dc, &whole, background);
    DeleteObject(background);
    for (const form::Shape& s : picture.shapes) {
      const int width = std::max(1, static_cast<int>(std::lround(s.penWidth)));
      switch (s.kind) {
        case form::Shape::Kind::kRectangle:
          objects.Use(CreatePen(PS_SOLID, width, ToGdi(s.pen)));
          objects.Use(CreateSolidBrush(ToGdi(s.fill)));
          Rectangle(dc, Round(s.x1), Round(s.y1), Round(s.x2) + 1, Round(s.y2) + 1);
          break;
        case form::Shape::Kind::kLine:
        case form::Shape::Kind::kArrow: {
          objects.Use(CreatePen(s.dotted ? PS_DOT : PS_SOLID, s.dotted ? 1 : width, ToGdi(s.pen)));
          MoveToEx(dc, Round(s.x1), Round(s.y1), nullptr);
          LineTo(dc, Round(s.x2), Round(s.y2));
          if (s.kind == form::Shape::Kind::kLine) break;
          const std::array<form::Point, 3> tip = form::ArrowHead(s);
          const POINT head[3] = {{Round(tip[0].x), Round(tip[0].y)},
                                 {Round(tip[1].x), Round(tip[1].y)},
                                 {Round(tip[2].x), Round(tip[2].y)}};
          objects.Use(CreateSolidBrush(ToGdi(s.fill)));
          Polygon(dc, head, 3);
          break;
        }
        case form::Shape::Kind::kDot:
          objects.Use(GetStockObject(NULL_PEN), false);
          objects.Use(CreateSolidBrush(ToGdi(s.fill)));
          Ellipse(dc, Round(s.x1 - s.x2), Round(s.y1 - s.x2), Round(s.x1 + s.x2) + 1, Round(s.y1 + s.x2) + 1);
          break;
        case form::Shape::Kind::kText: {
          // The picture is in pixels at its natural size: points at 96 dpi.
          objects.Use(CreateFontW(-Round(s.points * 96 / 72), 0, 0, 0, FW_NORMAL, s.italic, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                  DEFAULT_PITCH, Wide(picture.fontFamily).c_str()));
          SetTextColor(dc, ToGdi(s.pen));
          const std::wstring text = Wide(s.text);
          TextOutW(dc, Round(s.x1), Round(s.y1), text.c_str(), static_cast<int>(text.size()));
          break;
        }
      }
    }
    // Put back what the device context had before the objects are deleted.
    RestoreDC(dc, saved);
  }
}

}  // namespace korvel::win32
