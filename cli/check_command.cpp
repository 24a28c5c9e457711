#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/report.h"
#include "conv/core/model_check.h"

namespace korvel::cli {

namespace {
constexpr char kHelp[] =
    "usage: korvel check [--classic | --modern] [--json] MODEL.s2k\n"
    "\n"
    "Reads the model as korvel convert would (same readings, same errors) and\n"
    "writes and starts nothing. Prints the program and version that wrote the\n"
    "model, its units, the reading, what out.txt would carry, the elements it\n"
    "leaves out by kind, the frame sections by shape with the frames using each,\n"
    "the joints no element uses, and every warning a conversion would give.\n"
    "--json prints the same as one UTF-8 JSON object.\n"
    "\n"
    "Exit status: 0 the model converts without a warning, 2 it has warnings,\n"
    "1 it cannot be read.\n";

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
      if (options.reading != conv::ReadingChoice::kFromModel) return UsageError("check: one reading at most", kHelp);
      options.reading = arg == "--classic" ? conv::ReadingChoice::kClassic : conv::ReadingChoice::kModern;
    } else if (arg.starts_with("--")) {
      return UsageError("check: unknown option", kHelp);
    } else {
      model = arg;
      ++models;
    }
  }
  if (models != 1) return UsageError("check takes one model file", kHelp);
  bool warned = false;
  const int status = ReportErrors([&] {
    const conv::ModelCheck check = conv::CheckModelFile(model, options);
    const std::string text = json ? conv::CheckJson(check) : conv::CheckText(check);
    std::fwrite(text.data(), 1, text.size(), stdout);
    warned = !check.warnings.empty();
  });
  return status == kDone && warned ? kHasWarnings : status;
}

}  // namespace korvel::cli
