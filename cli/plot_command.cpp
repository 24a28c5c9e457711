#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
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
#include "conv/core/model_file.h"
#include "plot/core/model_plot.h"
#include "plot/core/section_plot.h"
#include "pre/core/matcode_reader.h"

namespace korvel::cli {

namespace {
constexpr char kHelp[] =
    "usage: korvel plot section [matcode0.txt] [-o FILE.svg]\n"
    "       korvel plot model [out.txt] [-o FILE.svg]\n"
    "\n"
    "Draws a file the tool set wrote as an SVG picture to check by eye.\n"
    "section: the 36 fibers coloured by their concrete, the 4 bars to scale, the\n"
    "axes through the centroid and a legend of the values (default in\n"
    "matcode0.txt, out matcode0.svg). model: an axonometric view, the plan and\n"
    "two elevations, elements coloured by section; elements without a section\n"
    "or with missing joints in red (default in out.txt, out model.svg).\n"
    "-o - (or /dev/stdout) writes the picture to standard output; any other\n"
    "FILE.svg must be a regular file or a new one, never a device or a pipe.\n"
    "A malformed input is an error naming its line; no picture is left then.\n";

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
    throw FileError("图片不能写入文件", output, what + "，写入会毁掉它；请用 -o 另给一个 .svg 文件名");
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
    return UsageError("plot takes section or model", kHelp);
  }
  const bool section = args[0] == "section";
  std::string input = section ? "matcode0.txt" : "out.txt", output = section ? "matcode0.svg" : "model.svg";
  int inputs = 0;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") return PrintHelp(kHelp);
    if (args[i] == "-o") {
      if (++i == args.size()) return UsageError("plot: -o needs a file name", kHelp);
      output = args[i];
    } else if (args[i].starts_with("-")) {
      return UsageError("plot: unknown option", kHelp);
    } else {
      input = args[i];
      ++inputs;
    }
  }
  if (inputs > 1) return UsageError("plot takes one input file", kHelp);
  return ReportErrors([&] {
    if (!IsStandardOutput(output)) RefuseToolSetFileAsOutput(output, input);
    std::string picture;
    if (section) {
      picture = plot::SectionSvg(pre::ReadMatcodeFile(InputFile(input, "文件").ReadAll(pre::kMatcodeFileLimit), input),
                                 input);
    } else {
      picture =
          plot::ModelSvg(conv::ReadModelFile(InputFile(input, "文件").ReadAll(conv::kModelFileLimit), input), input);
    }
    if (IsStandardOutput(output)) return WriteStandardOutput(picture);
    OutputFile file(output, OutputFile::Mode::kReplaceWhenDone);
    file.Write(picture);
    file.Commit();
  });
}

}  // namespace korvel::cli
