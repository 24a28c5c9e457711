#pragma once
// A Win32 window drawn from a form description: native controls at their
// twips places (converted with the screen's real dpi) in tab order, the
// dialog manager moving the focus, clicks passed to the form's logic. Texts
// cross the edge as UTF-8; inside, everything is UTF-16 ("W" functions).

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form/window_base.h"

namespace korvel::win32 {

class FormWindow : public form::WindowBase {
 public:
  explicit FormWindow(const form::Form& form);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  HWND handle() const { return window_; }
  HWND Control(std::string_view name) const;
  // Shows the window and runs its messages until it is closed.
  int Run();

  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, const std::string& text) override;
  void SetBusy(bool busy) override;
  void Close() override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void CreateControls();
  // Windows focuses the frame when it is active again after a dialog or a
  // message box, and nothing when it is enabled again after work: the keyboard
  // would go nowhere. The window gives the focus back to the control that had
  // it last, which each control reports when it takes the focus.
  void RestoreFocus();

  const form::Form& form_;
  HWND window_ = nullptr;
  std::vector<HWND> controls_;  // in the order of the form
  std::vector<HFONT> fonts_;    // owned
  int dpi_ = 96;
  HWND focused_ = nullptr;
};

// Control ids start here: Windows' dialog manager sends 1 and 2 for Enter
// and Escape, which must press no button.
inline constexpr int kFirstControlId = 100;

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace korvel::win32
