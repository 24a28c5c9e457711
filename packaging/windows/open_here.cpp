// open-here.exe FOLDER PROGRAM.exe: starts PROGRAM.exe, which stands beside
// open-here.exe, with FOLDER as its current folder, and returns at once. The
// folder verbs of Explorer ("用 TRELVO 打开此文件夹" on a folder or on its
// background) call it with the folder's name, since the window programs take
// no arguments and work on the files of their current folder.

#include <windows.h>

#include <string>

namespace {

std::wstring SystemText(DWORD error) {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason = text ? text : L"";
  LocalFree(text);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L'.')) {
    reason.pop_back();
  }
  return reason.empty() ? L"错误 " + std::to_wstring(error) : reason;
}

int Fail(const std::wstring& message) {
  MessageBoxW(nullptr, message.c_str(), L"KORVEL", MB_OK | MB_ICONERROR);
  return 1;
}

// The command line as Explorer makes it: "open-here.exe" "FOLDER" PROGRAM.exe.
// It is taken apart by hand: "%V" of a folder ending in a backslash (a
// drive's root, "C:\") gives "C:\" there, which the usual rule reads as an
// escaped quote. A Windows name holds no quote, so the quotes are only marks.
bool Arguments(std::wstring line, std::wstring& folder, std::wstring& program) {
  const std::size_t exeEnd = line.starts_with(L'"') ? line.find(L'"', 1) : line.find(L' ');
  if (exeEnd == std::wstring::npos) return false;
  line = line.substr(exeEnd + 1);
  const std::size_t last = line.find_last_not_of(L' ');
  if (last == std::wstring::npos) return false;
  line.resize(last + 1);
  const std::size_t split = line.find_last_of(L' ');
  if (split == std::wstring::npos) return false;
  program = line.substr(split + 1);
  folder = line.substr(0, split);
  std::erase(folder, L'"');
  folder.erase(0, folder.find_first_not_of(L' '));
  return !folder.empty() && !program.empty();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::wstring folder, program;
  if (!Arguments(GetCommandLineW(), folder, program)) return Fail(L"用法：open-here.exe \"文件夹\" 程序.exe");
  if (program.find_first_of(L"\\/:") != std::wstring::npos) return Fail(L"只能启动 KORVEL 文件夹中的程序");

  wchar_t own[MAX_PATH * 4] = L"";
  const DWORD length = GetModuleFileNameW(nullptr, own, MAX_PATH * 4);
  std::wstring path(own, length);
  path = path.substr(0, path.find_last_of(L'\\') + 1) + program;

  std::wstring command = L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &process)) {
    return Fail(L"无法在文件夹 \"" + folder + L"\" 中启动 " + program + L"：" + SystemText(GetLastError()));
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}
