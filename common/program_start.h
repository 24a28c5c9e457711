#pragma once
// Starting another program without waiting for it and without a shell.

#include <filesystem>
#include <string>
#include <vector>

namespace korvel {

struct StartResult {
  bool started = false;
  std::string problem;  // why not, when not started
};

// Starts `program` (a bare file name such as "Plakon.exe") with `args`, each
// passed as one argument. POSIX: the program is looked for in this program's
// own folder, then in the folders of PATH, never in the current folder.
// Windows: the system's own search for a command line; arguments holding a
// blank are quoted. The new program runs on after this returns, in `folder`
// (this program's current folder when empty).
StartResult StartProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::filesystem::path& folder = {});

// The Windows command line for program and args: arguments that hold a blank
// are put in double quotes, others stand as they are.
std::string WindowsCommandLine(const std::string& program, const std::vector<std::string>& args);

}  // namespace korvel
