#pragma once
// A window described once, without any toolkit: its name, caption and client
// size in twips, its controls in tab order, and the view its logic speaks
// to. The Qt windows on Linux and the Win32 windows on Windows only draw a
// description and pass clicks to the logic.

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
  kButton,        // never pressed by Enter or Escape
  kPicture,       // drawn by the window's picture
};

struct Control {
  ControlKind kind;
  std::string name;     // the object name
  std::string caption;  // UTF-8; an edit field's initial text
  TwipsRect place;
};

struct Form {
  std::string name, caption;  // caption in UTF-8
  int width = 0, height = 0;  // of the client area, in twips
  std::vector<Control> controls;  // in tab order; the first focusable one has the focus

  const Control* Find(std::string_view control) const;
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
  // A "*.dat" file chosen in a file dialog; nothing when cancelled.
  virtual std::optional<std::string> ChooseDataFile() = 0;
  // While busy the window takes no input and shows a wait cursor.
  virtual void SetBusy(bool busy) = 0;
  virtual void Close() = 0;
};

// A window's logic: what a click on one of its controls does.
using ClickHandler = void (*)(std::string_view control, View& view);

}  // namespace korvel::form
