#include <cstdio>
#include <string>
#include <string_view>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/commands.h"
#include "cli/report.h"
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
    "       korvel plot model [out.txt | MODEL.s2k] [-o FILE.svg]\n"
    "\n"
    "Draws a file the tool set wrote as an SVG picture to check by eye.\n"
    "section: the 36 fibers coloured by their concrete, the 4 bars to scale, the\n"
    "axes through the centroid and a legend of the values (default in\n"
    "matcode0.txt, out matcode0.svg). model: an axonometric view, the plan and\n"
    "two elevations, elements coloured by section; elements without a section\n"
    "or with missing joints in red (default in out.txt, out model.svg).\n"
    "Given a SAP2000 text model instead, it reads the model as a conversion would\n"
    "and also draws what out.txt leaves out: links, cables and tendons dashed\n"
    "grey, frames whose section is not a rectangle in their own colour, marks on\n"
    "zero-length frames, degenerate areas and coincident joints.\n"
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
