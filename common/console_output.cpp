#include "common/console_output.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "common/codepage.h"
#endif

namespace korvel {

#ifdef _WIN32

unsigned RedirectedCodePage() {
  const char* utf8 = std::getenv("KORVEL_UTF8");
  if (utf8 && std::strcmp(utf8, "1") == 0) return CP_UTF8;
  const UINT console = GetConsoleOutputCP();
  return console != 0 ? console : GetACP();
}

namespace {

std::string InCodePage(const std::wstring& text, unsigned codePage) {
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

}  // namespace

void WriteMessage(std::FILE* stream, std::string_view utf8) {
  HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring text = Utf8ToUtf16(utf8);
    std::fflush(stream);  // what stdio holds comes first
    DWORD written = 0;
    if (WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) return;
  }
  const unsigned codePage = RedirectedCodePage();
  const std::string bytes = codePage == CP_UTF8 ? std::string(utf8) : InCodePage(Utf8ToUtf16(utf8), codePage);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

#else

void WriteMessage(std::FILE* stream, std::string_view utf8) { std::fwrite(utf8.data(), 1, utf8.size(), stream); }

#endif

}  // namespace korvel
