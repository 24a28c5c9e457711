// korvel: the tool set's jobs from the command line, without windows, writing
// the same files as KORVEL_PRE, TRELVO and KORVEL_RUN.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "common/codepage.h"
#include "common/console_output.h"
#include "common/error.h"
#include "common/system_reason.h"

namespace {

constexpr char kUsage[] =
    "用法：korvel [--help] [--version] 命令 ...\n"
    "\n"
    "在当前文件夹中完成 KORVEL 的各项工作：\n"
    "  pre 截面文件         由截面文件写出 matcode0.txt（- 表示从标准输入读取）\n"
    "  convert 模型.s2k     由 SAP2000 文本模型写出 debug.txt 和 out.txt，再启动 Plakon.exe\n"
    "  run 作业.dat         启动求解程序 korvel_2005r2_027.exe 计算作业\n"
    "  plot section|model   把 matcode0.txt 或 out.txt 画成 SVG 图，供目视检查\n"
    "  check 模型.s2k       说明转换会写入什么、漏掉什么、有哪些警告，不写任何文件\n"
    "\n"
    "korvel 命令 --help 说明该命令。退出状态：0 完成，1 工作失败，2 用法有误，\n"
    "3 convert 已写出 out.txt，但无法启动 Plakon.exe，没有生成 data.mfd\n";

int Run(std::vector<std::string_view> args) {
  if (args.empty()) {
    korvel::WriteMessage(stderr, kUsage);
    return korvel::cli::kUsageError;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    korvel::WriteMessage(stdout, kUsage);
    return korvel::cli::kDone;
  }
  if (args[0] == "--version") {
    std::printf("korvel %s\n", KORVEL_VERSION);
    return korvel::cli::kDone;
  }
  const std::string_view command = args[0];
  args.erase(args.begin());
  for (const korvel::cli::Command& c : korvel::cli::Commands()) {
    if (command == c.name) return c.run(args);
  }
  korvel::WriteMessage(stderr, "korvel: 没有 \"" + korvel::Excerpt(korvel::NameForDisplay(command)) + "\" 这个命令\n");
  korvel::WriteMessage(stderr, kUsage);
  return korvel::cli::kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
  const int status = Run(std::vector<std::string_view>(argv + 1, argv + argc));
  // Help or a version that could not be written is no success.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    korvel::WriteMessage(stderr, "korvel: 无法写出到标准输出：" + korvel::SystemReason(errno) + "\n");
    return status == korvel::cli::kDone ? korvel::cli::kJobFailed : status;
  }
  return status;
}
