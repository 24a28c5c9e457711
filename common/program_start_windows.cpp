#include <windows.h>

#include "common/codepage.h"
#include "common/error.h"
#include "common/program_start.h"

namespace korvel {

// Arguments arrive as UTF-8; the command line is narrow, in code page 936 as
// on the Chinese systems the tool set is made for. The search is Windows' own.
StartResult StartProgram(const std::string& program, const std::vector<std::string>& args) {
  std::string commandLine;
  try {
    commandLine = Utf8ToCp936(WindowsCommandLine(program, args));
  } catch (const Error& e) {
    return {false, program + "：" + e.what()};
  }
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
