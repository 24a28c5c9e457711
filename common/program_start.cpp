#include "common/program_start.h"

#include "common/output_file.h"

namespace korvel {

std::string WhereToPut(const std::string& program) {
  const std::filesystem::path own = ProgramFolder();
  const std::string folder = own.empty() ? "" : "（\"" + DisplayName(own) + "\"）";
  return "请把 " + program + " 放在本程序所在的文件夹" + folder + "或 PATH 列出的某个文件夹中";
}

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
