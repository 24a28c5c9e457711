// folder_verb_check COMMAND [MODEL]: starts a folder verb's command (its "%V"
// already replaced by a folder) as Explorer would, from another folder, with
// the command line as it stands. Without MODEL it waits for the command's
// end and gives its exit status. With MODEL it
// converts MODEL in the TRELVO window it opened as a user does: "开始转换",
// the model's name typed into the input box, OK. TRELVO, started in the
// folder, writes out.txt there; the caller compares it. Exit status 0 when
// the window appeared, took the name and became ready again.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

template <typename Find>
HWND WaitFor(Find find) {
  for (int i = 0; i < 600; ++i) {
    if (HWND found = find()) return found;
    Sleep(100);
  }
  return nullptr;
}

int Fail(const char* what) {
  std::fprintf(stderr, "folder_verb_check: %s\n", what);
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2 && argc != 3) return Fail("usage: folder_verb_check COMMAND [MODEL]");
  std::wstring command = argv[1];
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return Fail("the verb's command does not start");
  }
  CloseHandle(process.hThread);
  if (argc == 2) {
    DWORD status = 1;
    WaitForSingleObject(process.hProcess, 60000);
    GetExitCodeProcess(process.hProcess, &status);
    return static_cast<int>(status);
  }
  CloseHandle(process.hProcess);

  HWND window = WaitFor([] { return FindWindowW(nullptr, L"SAP2K to MARC转换器0.11版本"); });
  if (!window) return Fail("no TRELVO window");
  HWND start = FindWindowExW(window, nullptr, L"Button", L"开始转换");
  if (!start) return Fail("no button 开始转换");
  PostMessageW(start, BM_CLICK, 0, 0);
  HWND box = WaitFor([] { return FindWindowW(L"KorvelInputBox", nullptr); });
  if (!box) return Fail("no input box for the model's name");
  SendMessageW(GetDlgItem(box, 100), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  // The conversion runs in the click; the window takes messages again after it.
  if (!WaitFor([] { return FindWindowW(L"KorvelInputBox", nullptr) ? nullptr : HWND(1); })) {
    return Fail("the input box stays");
  }
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 60000, &ignored)) return Fail("TRELVO hangs");
  PostMessageW(window, WM_CLOSE, 0, 0);
  return 0;
}
