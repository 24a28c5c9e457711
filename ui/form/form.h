#pragma once
// A window described once, without any toolkit: its name, caption and client
// size in twips, its controls in tab order with what a click on each does,
// and the view that logic speaks to. The Qt windows on Linux and the Win32
// windows on Windows only draw a description and call a clicked control's
// action.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvel::form {

// 1/1440 inch; 15 twips are one pixel at 96 dpi.
struct TwipsRect {
  int left = 0, top = 0, width = 0, height = 0;
};

enum class ControlKind {
  kLabel,         // one line of text
  kWrappedLabel,  // text wrapped within its width, in the Chinese label font
  kEdit,          // a single-line text field
  kCheckBox,
  kButton,   // never pressed by Enter or Escape
  kPicture,  // drawn by the window's picture
};

// A picture drawn from shapes, in pixels from its top left corner; shown at
// its natural size at the top left of its control.
struct Colour {
  unsigned char red = 0, green = 0, blue = 0;
};

struct Shape {
  enum class Kind {
    kRectangle,  // from (x1, y1) to (x2, y2), edged with the pen, filled
    kLine,       // from (x1, y1) to (x2, y2)
    kArrow,      // a line with a filled head at (x2, y2)
    kDot,        // a filled circle at (x1, y1) of radius x2, no edge
    kText,       // text with its baseline starting at (x1, y1)
  };
  Kind kind;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Colour pen{}, fill{};
  double penWidth = 1;
  bool dotted = false;
  std::string text{};  // UTF-8
  double points = 9;
  bool italic = false;
};

struct Point {
  double x = 0, y = 0;
};

// The filled head of an arrow: its tip at (x2, y2), 8 pixels long, 8 wide.
std::array<Point, 3> ArrowHead(const Shape& arrow);

struct Picture {
  int width = 0, height = 0;
  Colour background;
  std::string fontFamily;     // of its texts
  std::vector<Shape> shapes;  // drawn in order
};

class View;

// What a click on a control does, on the form's logic.
using Action = void (*)(View& view);

struct Control {
  ControlKind kind;
  std::string name;     // the object name, by which tests and automation find it
  std::string caption;  // UTF-8; an edit field's initial text
  TwipsRect place;
  Action action = nullptr;           // of a button or a check box; none: a click does nothing
  const Picture* picture = nullptr;  // what a picture control shows
};

struct Form {
  std::string name, caption;      // caption in UTF-8
  int width = 0, height = 0;      // of the client area, in twips
  std::vector<Control> controls;  // in tab order; the first focusable one has the focus

  const Control* Find(std::string_view control) const;
};

// The files a file dialog shows: "Data files" and "*.dat", say.
struct FileFilter {
  std::string description, pattern;
};

// What a window's logic asks of the window that shows it. Texts are UTF-8.
class View {
 public:
  virtual ~View() = default;
  virtual std::string Text(std::string_view control) const = 0;
  virtual void SetText(std::string_view control, const std::string& text) = 0;
  virtual void ShowError(const std::string& text) = 0;
  virtual void ShowWarnings(const std::string& text) = 0;
  // A line typed in a small dialog; nothing when cancelled.
  virtual std::optional<std::string> AskText(const std::string& prompt) = 0;
  // An existing file chosen in a file dialog that opens in the current
  // folder and shows the files `filter` names; nothing when cancelled.
  virtual std::optional<std::string> OpenFile(const FileFilter& filter) = 0;
  // While busy the window takes no input and shows a wait cursor.
  virtual void SetBusy(bool busy) = 0;
  virtual void Close() = 0;
};

// The action of a button that closes its window.
void CloseWindow(View& view);

// Runs a control's action as every window does: whatever the action throws
// becomes a message box naming the control, and the window stays usable.
void RunAction(const Control& control, View& view);

// A file name typed or chosen in a window, as a path on every system.
std::filesystem::path PathOfText(const std::string& utf8);

}  // namespace korvel::form
