#include "standins/plakon/failure_message.h"

#include <cstdio>

#ifdef _WIN32
#include <conio.h>
#include <windows.h>

#include "common/codepage.h"
#endif

namespace korvel::standins {

#ifdef _WIN32

void ShowFailure(const std::string& message) {
  HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0, processes[2];
  if (!GetConsoleMode(console, &mode)) {  // a file or a pipe
    std::fputs(message.c_str(), stderr);
    return;
  }
  const bool own = GetConsoleProcessList(processes, 2) == 1;
  const std::wstring text = Utf8ToUtf16(message + (own ? "\n按任意键关闭此窗口\n" : ""));
  DWORD written = 0;
  WriteConsoleW(console, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr);
  if (own) _getch();
}

#else

void ShowFailure(const std::string& message) { std::fputs(message.c_str(), stderr); }

#endif

}  // namespace korvel::standins
