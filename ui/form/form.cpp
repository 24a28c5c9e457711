#include "ui/form/form.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <new>

#include "common/error.h"

namespace korvel::form {

const Control* Form::Find(std::string_view control) const {
  const auto found =
      std::find_if(controls.begin(), controls.end(), [&](const Control& c) { return c.name == control; });
  return found == controls.end() ? nullptr : &*found;
}

std::array<Point, 3> ArrowHead(const Shape& arrow) {
  const double length = std::hypot(arrow.x2 - arrow.x1, arrow.y2 - arrow.y1);
  const double alongX = (arrow.x2 - arrow.x1) / length, alongY = (arrow.y2 - arrow.y1) / length;
  // Across the line is the direction along it turned by a right angle.
  const double acrossX = -alongY, acrossY = alongX;
  return {{{arrow.x2, arrow.y2},
           {arrow.x2 - alongX * 8 + acrossX * 4, arrow.y2 - alongY * 8 + acrossY * 4},
           {arrow.x2 - alongX * 8 - acrossX * 4, arrow.y2 - alongY * 8 - acrossY * 4}}};
}

void CloseWindow(View& view) { view.Close(); }

void RunAction(const Control& control, View& view) {
  if (!control.action) return;
  const std::string failed = "\"" + control.caption + "\" 没有完成：";
  try {
    control.action(view);
  } catch (const std::bad_alloc&) {
    view.ShowError(failed + kOutOfMemory);
  } catch (const std::exception& e) {
    view.ShowError(failed + e.what());
  } catch (...) {
    view.ShowError(failed + "发生了无法说明的错误，请重新启动本程序后再试");
  }
}

std::filesystem::path PathOfText(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace korvel::form
