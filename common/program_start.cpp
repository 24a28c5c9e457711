#include "common/program_start.h"

namespace korvel {

std::string WindowsCommandLine(const std::string& program, const std::vector<std::string>& args) {
  std::string line = program;
  for (const std::string& arg : args) {
    const bool quote = arg.find_first_of(" \t") != std::string::npos;
    line += ' ';
    line += quote ? '"' + arg + '"' : arg;
  }
  return line;
}

}  // namespace korvel
