#include <windows.h>

#include <string>

#include "common/codepage.h"
#include "common/error.h"
#include "common/program_start.h"

namespace korvel {
namespace {

// The system's own text for an error, in UTF-8 like every message of the tool
// set, without the line ending Windows puts after it.
std::string SystemMessage(DWORD error) {
  wchar_t text[512] = L"";
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                      text, sizeof text / sizeof text[0], nullptr);
  std::wstring message(text, length);
  while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' ')) {
    message.pop_back();
  }
  if (message.empty()) return "错误 " + std::to_string(error);
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, message.data(), static_cast<int>(message.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, message.data(), static_cast<int>(message.size()), utf8.data(), bytes, nullptr,
                      nullptr);
  return utf8;
}

}  // namespace

std::filesystem::path ProgramFolder() {
  std::wstring file(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, file.data(), static_cast<DWORD>(file.size()));
    if (length == 0) return {};
    if (length < file.size()) {
      file.resize(length);
      return std::filesystem::path(file).parent_path();
    }
    file.resize(file.size() * 2);
  }
}

// Arguments arrive as UTF-8; the command line is narrow, in code page 936 as
// on the Chinese systems the tool set is made for. The search is Windows' own.
StartResult StartProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::filesystem::path& folder) {
  std::string commandLine;
  try {
    commandLine = Utf8ToCp936(WindowsCommandLine(program, args));
  } catch (const Error& e) {
    return {false, e.what()};
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  const std::string folderName = folder.string();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folderName.empty() ? nullptr : folderName.c_str(), &startup, &process)) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {false, "找不到 " + program, true};
    return {false, SystemMessage(error)};
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return {true, {}};
}

}  // namespace korvel
