#pragma once
// A small modal dialog asking for one line of text: a prompt, a field, OK
// and Cancel (Enter and Escape press them, as in any such box).

#include <windows.h>

#include <optional>
#include <string>

namespace korvel::win32 {

std::optional<std::wstring> InputBox(HWND owner, const std::wstring& title, const std::wstring& prompt);

}  // namespace korvel::win32
