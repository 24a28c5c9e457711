#include <windows.h>

#include "common/program_start.h"

namespace korvel {

// The narrow command line is read in the system code page (936 on the
// systems the tool set is made for); the search is Windows' own.
StartResult StartProgram(const std::string& program, const std::vector<std::string>& args) {
  std::string commandLine = WindowsCommandLine(program, args);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    const DWORD error = GetLastError();
    char reason[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, reason,
                   sizeof reason, nullptr);
    return {false, program + "：" + reason};
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return {true, {}};
}

}  // namespace korvel
