#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/model_arguments.h"
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
  bool json = false;
  const auto takeOption = [&](std::string_view arg) {
    if (arg != "--json") return false;
    json = true;
    return true;
  };
  if (const auto done = ReadModelArguments(args, {"check", "检查", kHelp}, takeOption, options, model)) return *done;
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
