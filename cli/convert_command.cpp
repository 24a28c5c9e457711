#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/model_arguments.h"
#include "cli/report.h"
#include "conv/core/conversion.h"

namespace korvel::cli {

namespace {
constexpr char kHelp[] =
    "用法：korvel convert [--no-tool] [--classic | --modern] 模型.s2k\n"
    "\n"
    "与 TRELVO 的\"开始转换\"相同，转换 SAP2000 文本模型（或 CSiBridge 的 .b2k 模型）：\n"
    "在当前文件夹中写出 debug.txt 和 out.txt，再启动 Plakon.exe 生成 data.mfd\n"
    "（先在 korvel 所在的文件夹中找，再到 PATH 列出的文件夹中找）。\n"
    "--no-tool 不启动 Plakon.exe。\n"
    "\n"
    "模型在 PROGRAM CONTROL 表中声明 SAP2000 12 或更新版本（或 CSiBridge）时按新版读法\n"
    "读取，声明其他版本时按旧版读法；没有声明版本的模型，节点以 XorR= Y= Z= 给出坐标而\n"
    "没有 GlobalX= 时按新版读法，否则按旧版读法；--classic（旧版读法）或 --modern（新版读法）\n"
    "指定读法。\n"
    "模型以名称作标签时另写出 labels.txt。没有一行以 TABLE: 开始的文件不是文本模型，\n"
    "不转换，什么也不写。\n"
    "警告（结果可疑、模型超过 1,000,000 项、截面名称超过 10,000 个、无法启动 Plakon.exe）\n"
    "写到标准错误，以\"korvel: 警告：\"开头。\n"
    "退出状态：0 完成，1 转换失败（out.txt 保持原样），2 用法有误，\n"
    "3 debug.txt 和 out.txt 已写出，但无法启动 Plakon.exe，没有生成 data.mfd。\n";
}

int RunConvert(const Arguments& args) {
  conv::ConversionOptions options;
  std::string model;
  const auto takeOption = [&](std::string_view arg) {
    if (arg != "--no-tool") return false;
    options.startTool = false;
    return true;
  };
  if (const auto done = ReadModelArguments(args, {"convert", "转换", kHelp}, takeOption, options, model)) return *done;
  bool toolNotStarted = false;
  const int status = ReportErrors([&] {
    const conv::ConversionResult result = conv::SAP2KREAD(model, conv::kCurrentFolder, options);
    for (const std::string& warning : result.Warnings()) WriteMessage(stderr, "korvel: 警告：" + warning + "\n");
    toolNotStarted = result.toolStartTried && !result.toolStart.started;
  });
  return status == kDone && toolNotStarted ? kToolNotStarted : status;
}

}  // namespace korvel::cli
