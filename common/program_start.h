#pragma once
// Starting another program without waiting for it and without a shell.

#include <filesystem>
#include <string>
#include <vector>

namespace korvel {

struct StartResult {
  bool started = false;
  std::string problem;    // why not, when not started (without the program's name)
  bool notFound = false;  // no such program where programs are looked for
};

// Starts `program` (a bare file name such as "Plakon.exe") with `args`, each
// passed as one argument. POSIX: the program is looked for in this program's
// own folder, then in the folders of PATH, never in the current folder.
// Windows: the system's own search for a command line; arguments holding a
// blank are quoted. The new program runs on after this returns, in `folder`
// (this program's current folder when empty).
StartResult StartProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::filesystem::path& folder = {});

// The running program's own folder, absolute, where a program started by
// name is looked for first; empty when the system does not say.
std::filesystem::path ProgramFolder();

// Where `program` must lie to be found, as the next step of a message:
// 请把 X 放在本程序所在的文件夹（"…"）或 PATH 列出的某个文件夹中
std::string WhereToPut(const std::string& program);

// The Windows command line for program and args: arguments that hold a blank
// are put in double quotes, others stand as they are.
std::string WindowsCommandLine(const std::string& program, const std::vector<std::string>& args);

}  // namespace korvel
