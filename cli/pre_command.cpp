#include <sstream>
#include <string>

#include "cli/commands.h"
#include "cli/report.h"
#include "common/input_file.h"
#include "pre/core/matcode_file.h"
#include "pre/core/section_fields.h"

namespace korvel::cli {

namespace {

// A section file has 26 lines; anything near this is not one.
constexpr std::size_t kSectionFileLimit = 1 << 20;

constexpr char kHelp[] =
    "用法：korvel pre 截面文件\n"
    "\n"
    "按截面文件描述的截面，在当前文件夹中写出 matcode0.txt（截面文件为 - 时读标准输入）。\n"
    "每行一个 名称=数值，名称有 LengthX LengthY Modulus Cover，\n"
    "Core.fc Core.eps0 Core.sigu Core.epsu Core.E0（核心区混凝土），\n"
    "Cover.fc ... Cover.E0（保护层混凝土），Bar1.Es Bar1.fy Bar1.As ... Bar4.As（钢筋）。\n"
    "数值的读法与 KORVEL_PRE 的输入框相同；没有给出的名称记为 0。空行和以 # 开头的行\n"
    "不读；一个名称也没有给出的文件不接受。\n";
}  // namespace

int RunPre(const Arguments& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) return PrintHelp(kHelp);
  if (args.empty()) return UsageError("pre 需要一个截面文件（如 column.section，- 表示标准输入）", kHelp);
  if (args.size() > 1) return UsageError(Words("pre 只读一个截面文件，多出了 ", Quoted(args[1])), kHelp);
  const std::string name(args[0]);
  return ReportErrors([&] {
    InputFile file =
        name == "-" ? InputFile::StandardInput(pre::kSectionFileKind) : InputFile(name, pre::kSectionFileKind);
    std::istringstream text(file.ReadAll(kSectionFileLimit));
    pre::Write_File(pre::ReadSectionFile(text, file.name()));
  });
}

}  // namespace korvel::cli
