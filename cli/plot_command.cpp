#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/commands.h"
#include "cli/report.h"
#include "common/error.h"
#include "common/file_state.h"
#include "common/input_file.h"
#include "common/output_file.h"
#include "conv/core/outputs/model_file.h"
#include "plot/core/model_plot.h"
#include "plot/core/section_plot.h"
#include "pre/core/matcode_reader.h"

namespace korvel::cli {

namespace {
constexpr char kHelp[] =
    "用法：korvel plot section [matcode0.txt] [-o 图.svg]\n"
    "      korvel plot model [out.txt | 模型.s2k] [-o 图.svg]\n"
    "\n"
    "把工具写出的文件画成 SVG 图，供目视检查。\n"
    "section：36 根混凝土纤维按所取的混凝土数值着色（外圈取核心区混凝土的数值，\n"
    "内部取保护层混凝土的数值），4 根钢筋按面积比例画出，另有形心轴和数值图例\n"
    "（默认读 matcode0.txt，写 matcode0.svg）。\n"
    "model：轴测图、平面图和两个立面图，单元按截面着色；没有截面、截面号超出截面表\n"
    "或节点不在节点表中的单元画成红色（默认读 out.txt，写 model.svg）。\n"
    "给出 SAP2000 文本模型时，按转换的读法读取模型，另画出 out.txt 没有写入的内容：\n"
    "连接单元、索单元和钢束画成灰色虚线，截面不是矩形的框架单元另用一种颜色，\n"
    "长度为 0 的框架单元、退化的面单元和重合的节点加上标记。\n"
    "-o -（或 /dev/stdout）把图写到标准输出；其他输出文件必须是普通文件或新文件，\n"
    "不能是设备或管道。输入文件有误时报告出错的行，不留下图。\n";

// Standard output is written as it stands (a pipe, a terminal, a file it was
// redirected to); main reports a failed write.
bool IsStandardOutput(std::string_view name) { return name == "-" || name == "/dev/stdout"; }

void WriteStandardOutput(const std::string& picture) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::fwrite(picture.data(), 1, picture.size(), stdout);
}

// The files of the tool set, which a picture must never replace.
constexpr const char* kToolSetFiles[] = {"matcode0.txt", "out.txt", "debug.txt", "labels.txt", "data.mfd"};

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

// A picture written over its own input or over a file of the tool set would
// destroy what the user wanted to look at: refused, naming the file.
void RefuseToolSetFileAsOutput(const std::string& output, const std::string& input) {
  const std::filesystem::path path = std::filesystem::path(output);
  const std::string name = path.filename().string();
  const auto outputState = StateOfFile(path);
  auto refuse = [&](const std::string& what) {
    throw FileError("图片不能写入文件", output, what + "，写入会把它覆盖掉；请用 -o 另给一个 .svg 文件名");
  };
  if (const auto inputState = StateOfFile(std::filesystem::path(input));
      outputState && inputState && outputState->SameFileAs(*inputState)) {
    refuse("它就是要画的文件 \"" + input + "\"");
  }
  for (const char* file : kToolSetFiles) {
    if (SameName(name, file)) refuse(std::string("它是工具集的文件 ") + file);
    const auto toolFile = StateOfFile(file);
    if (outputState && toolFile && outputState->SameFileAs(*toolFile)) {
      refuse(std::string("它与工具集的文件 ") + file + " 是同一个文件");
    }
  }
}

}  // namespace

int RunPlot(const Arguments& args) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) return PrintHelp(kHelp);
  if (args.empty() || (args[0] != "section" && args[0] != "model")) {
    return UsageError(args.empty() ? std::string("plot 后面应是 section 或 model")
                                   : Words("plot 后面应是 section 或 model，而不是 ", Quoted(args[0])),
                      kHelp);
  }
  const bool section = args[0] == "section";
  std::string input = section ? "matcode0.txt" : "out.txt", output = section ? "matcode0.svg" : "model.svg";
  int inputs = 0;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") return PrintHelp(kHelp);
    if (args[i] == "-o") {
      if (++i == args.size()) return UsageError("-o 后面缺少输出文件名（如 -o model.svg）", kHelp);
      output = args[i];
    } else if (args[i].starts_with("-")) {
      return UsageError(Words("plot 命令没有 ", Quoted(args[i]), " 这个选项"), kHelp);
    } else if (++inputs > 1) {
      return UsageError(Words("plot 只画一个文件，多出了 ", Quoted(args[i])), kHelp);
    } else {
      input = args[i];
    }
  }
  return ReportErrors([&] {
    if (!IsStandardOutput(output)) RefuseToolSetFileAsOutput(output, input);
    // The file is written by an earlier step of the tool set: say which.
    std::error_code unknown;
    if (!std::filesystem::exists(std::filesystem::path(input), unknown) && !unknown) {
      throw FileError("无法读取文件", input,
                      section ? "文件不存在，请先用 KORVEL_PRE 或 korvel pre 写出 matcode0.txt"
                              : "文件不存在，请先用 TRELVO 或 korvel convert 转换模型");
    }
    std::string picture;
    if (section) {
      picture = plot::SectionSvg(pre::ReadMatcodeFile(InputFile(input, "文件").ReadAll(pre::kMatcodeFileLimit), input),
                                 input);
    } else {
      const std::string bytes = InputFile(input, "文件").ReadAll(conv::kModelFileLimit);
      if (plot::IsTableModel(bytes)) {
        // A model file: what out.txt would carry, and what it leaves out.
        const auto [model, extras] = plot::ReadModelForPicture(bytes, input);
        picture = plot::ModelSvg(model, input, &extras);
      } else {
        picture = plot::ModelSvg(conv::ReadModelFile(bytes, input), input);
      }
    }
    if (IsStandardOutput(output)) return WriteStandardOutput(picture);
    OutputFile file(output, OutputFile::Mode::kReplaceWhenDone);
    file.Write(picture);
    file.Commit();
  });
}

}  // namespace korvel::cli
