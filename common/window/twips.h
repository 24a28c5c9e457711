#pragma once
// Window layouts are given in twips (1/1440 inch); 15 twips are one pixel at
// 96 dpi, and Qt's device-independent pixels scale that to the screen.

#include <QRect>
#include <QSize>
#include <QWidget>

namespace korvel::window {

constexpr int Twips(int twips) { return twips / 15; }

inline QRect TwipsRect(int left, int top, int width, int height) {
  return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

// Gives a window the client area of width x height twips.
inline void SetClientSize(QWidget& window, int width, int height) {
  window.resize(Twips(width), Twips(height));
}

}  // namespace korvel::window
