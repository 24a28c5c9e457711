#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/report.h"
#include "conv/core/model_check.h"

namespace korvel::cli {

namespace {
constexpr char kHelp[] =
    "用法：korvel check [--classic | --modern] [--json] 模型.s2k\n"
    "\n"
    "按 korvel convert 的读法读取模型（读法相同，出错时的报告也相同），不写任何文件，\n"
    "也不启动任何程序。列出写出模型的程序和版本、单位、所用的读法、out.txt 将包含的\n"
    "内容、按种类列出 out.txt 没有写入的单元、各框架截面的形状和使用它的框架单元数、\n"
    "没有框架单元或面单元使用的节点，以及转换会给出的每条警告。\n"
    "--json 以一个 UTF-8 JSON 对象输出同样的内容，供脚本使用。\n"
    "\n"
    "退出状态：0 转换不会有警告，2 有警告（或用法有误），1 模型无法读取。\n";

constexpr int kHasWarnings = 2;
}  // namespace

int RunCheck(const Arguments& args) {
  conv::ConversionOptions options;
  std::string model;
  int models = 0;
  bool json = false;
  for (std::string_view arg : args) {
    if (arg == "--help" || arg == "-h") return PrintHelp(kHelp);
    if (arg == "--json") {
      json = true;
    } else if (arg == "--classic" || arg == "--modern") {
      if (options.reading != conv::ReadingChoice::kFromModel)
        return UsageError("--classic 和 --modern 只能给出一个", kHelp);
      options.reading = arg == "--classic" ? conv::ReadingChoice::kClassic : conv::ReadingChoice::kModern;
    } else if (arg.starts_with("--")) {
      return UsageError(Words("check 命令没有 ", Quoted(arg), " 这个选项"), kHelp);
    } else if (++models > 1) {
      return UsageError(Words("check 只检查一个模型文件，多出了 ", Quoted(arg)), kHelp);
    } else {
      model = arg;
    }
  }
  if (models == 0) return UsageError("check 需要一个模型文件（如 model.s2k）", kHelp);
  bool warned = false;
  const int status = ReportErrors([&] {
    const conv::ModelCheck check = conv::CheckModelFile(model, options);
    if (json) {
      const std::string text = conv::CheckJson(check);  // UTF-8 whatever the console
      std::fwrite(text.data(), 1, text.size(), stdout);
    } else {
      WriteMessage(stdout, conv::CheckText(check));
    }
    warned = !check.warnings.empty();
  });
  return status == kDone && warned ? kHasWarnings : status;
}

}  // namespace korvel::cli
