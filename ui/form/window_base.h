#pragma once
// What the Qt and the Win32 windows share: the hooks through which a window
// meets its user (message boxes and dialogs, unless a test replaces them),
// one rule from twips to pixels, and the label font policy.

#include <functional>
#include <optional>
#include <string>

#include "ui/form/form.h"

namespace korvel::form {

class WindowBase : public View {
 public:
  std::function<void(const std::string&text)> reportError, reportWarnings;
  std::function<std::optional<std::string>(const std::string& prompt)> askText;
  std::function<std::optional<std::string>(const FileFilter& filter)> openFile;

  void ShowError(const std::string& text) override { reportError(text); }
  void ShowWarnings(const std::string& text) override { reportWarnings(text); }
  std::optional<std::string> AskText(const std::string& prompt) override { return askText(prompt); }
  std::optional<std::string> OpenFile(const FileFilter& filter) override { return openFile(filter); }
};

// Twips at `dpi` pixels per inch, rounded to the nearest pixel (halves away
// from zero), as Windows' MulDiv does.
int Pixels(int twips, int dpi = 96);

// The Chinese labels: the first of these faces the system has (otherwise its
// first Chinese font), at 10.5 pt, smaller by 0.5 pt down to 8 pt where the
// text would not fit its label.
inline constexpr const char* kLabelFaces[] = {"SimSun", "宋体", "NSimSun"};
inline constexpr double kLabelPoints = 10.5;

// The first size of the label font at which `fits` holds, 8 pt at least.
double LabelPoints(const std::function<bool(double points)>& fits);

}  // namespace korvel::form
