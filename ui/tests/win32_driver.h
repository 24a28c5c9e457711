#pragma once
// Drives a Win32 form window in tests as a user would, through its native
// controls: clicks, typed texts, Tab and Enter through the dialog manager.

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/win32/form_window.h"

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

// Characters typed into the control that has the focus.
inline void TypeKeys(HWND window, const std::string& utf8) {
  for (wchar_t c : win32::Wide(utf8)) {
    MSG message{GetFocus(), WM_CHAR, static_cast<WPARAM>(c), 0, 0, {}};
    if (!IsDialogMessageW(window, &message)) DispatchMessageW(&message);
  }
}

// Tab pressed until the control has the focus, at least once.
inline void TabTo(HWND window, HWND control) {
  for (int i = 0; i < 64; ++i) {
    PressKey(window, VK_TAB);
    if (GetFocus() == control) return;
  }
}

// Answers the dialogs and message boxes that a window opens, in order, as a
// user would: a text typed into what has the focus there, then a key (Enter
// or Escape). Keeps the texts each dialog showed. A dialog beyond the answers
// given is closed with Escape, so that a test fails instead of waiting.
class KeyboardAnswers {
 public:
  explicit KeyboardAnswers(HWND window) : window_(window) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 50, Look);
  }
  ~KeyboardAnswers() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  KeyboardAnswers(const KeyboardAnswers&) = delete;
  KeyboardAnswers& operator=(const KeyboardAnswers&) = delete;

  void Add(const std::string& typed, WPARAM key) { answers_.push_back({typed, key}); }
  // Per dialog answered: its caption and its static texts, one a line.
  const std::vector<std::string>& shown() const { return shown_; }

 private:
  struct Answer {
    std::string typed;
    WPARAM key;
  };

  // Runs in the dialog's own message loop, which dispatches the thread's timers.
  static void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD) {
    KeyboardAnswers* self = current_;
    HWND dialog = GetActiveWindow();
    if (!self || !dialog || dialog == self->window_ || dialog == self->answered_) return;
    self->answered_ = dialog;
    std::string texts = TextOf(dialog);
    EnumChildWindows(dialog, Collect, reinterpret_cast<LPARAM>(&texts));
    self->shown_.push_back(texts);
    const Answer answer = self->next_ < self->answers_.size() ? self->answers_[self->next_++] : Answer{"", VK_ESCAPE};
    HWND focus = GetFocus();
    for (wchar_t c : win32::Wide(answer.typed)) PostMessageW(focus, WM_CHAR, c, 1);
    PostMessageW(focus, WM_KEYDOWN, answer.key, 1);
    PostMessageW(focus, WM_KEYUP, answer.key, 0xC0000001);
  }
  static BOOL CALLBACK Collect(HWND child, LPARAM texts) {
    wchar_t kind[16] = L"";
    GetClassNameW(child, kind, 16);
    if (lstrcmpiW(kind, L"Static") == 0) reinterpret_cast<std::string*>(texts)->append("\n").append(TextOf(child));
    return TRUE;
  }

  inline static KeyboardAnswers* current_ = nullptr;
  HWND window_;
  UINT_PTR timer_;
  std::vector<Answer> answers_;
  std::size_t next_ = 0;
  HWND answered_ = nullptr;
  std::vector<std::string> shown_;
};

// Programs are looked for in this folder only while the object lives (and in
// the folders Windows always searches).
class SearchPathOnly {
 public:
  explicit SearchPathOnly(const std::filesystem::path& folder) {
    const char* path = std::getenv("PATH");
    old_ = path ? path : "";
    _putenv_s("PATH", folder.string().c_str());
  }
  ~SearchPathOnly() { _putenv_s("PATH", old_.c_str()); }
  SearchPathOnly(const SearchPathOnly&) = delete;
  SearchPathOnly& operator=(const SearchPathOnly&) = delete;

 private:
  std::string old_;
};

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
