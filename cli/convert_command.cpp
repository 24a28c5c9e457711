#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/report.h"
#include "conv/core/conversion.h"

namespace korvel::cli {

namespace {
constexpr char kHelp[] =
    "usage: korvel convert [--no-tool] [--classic | --modern] MODEL.s2k\n"
    "\n"
    "Converts the SAP2000 text model MODEL.s2k (or a CSiBridge MODEL.b2k) as\n"
    "TRELVO's start button does:\n"
    "writes debug.txt and out.txt in the current folder, then starts Plakon.exe\n"
    "(looked for beside korvel, then on PATH). --no-tool skips that start.\n"
    "\n"
    "A model that declares SAP2000 12 or later, or CSiBridge, in PROGRAM CONTROL\n"
    "is read the modern way, any other declared one the classic way; a model that\n"
    "declares no version is read the modern way when its joints give XorR= Y= Z=\n"
    "without GlobalX=, the classic way otherwise; --classic or --modern\n"
    "forces one. A model that names elements also gets labels.txt. A file with\n"
    "no line starting a table is refused and nothing is written.\n"
    "Warnings (a suspect result, input cut at 1,000,000 items, section names\n"
    "beyond 10,000, a failed start of Plakon.exe) go to standard error.\n";
}

int RunConvert(const Arguments& args) {
  conv::ConversionOptions options;
  std::string model;
  int models = 0;
  for (std::string_view arg : args) {
    if (arg == "--help" || arg == "-h") return PrintHelp(kHelp);
    if (arg == "--no-tool") {
      options.startTool = false;
    } else if (arg == "--classic" || arg == "--modern") {
      if (options.reading != conv::ReadingChoice::kFromModel) return UsageError("convert: one reading at most", kHelp);
      options.reading = arg == "--classic" ? conv::ReadingChoice::kClassic : conv::ReadingChoice::kModern;
    } else if (arg.starts_with("--")) {
      return UsageError("convert: unknown option", kHelp);
    } else {
      model = arg;
      ++models;
    }
  }
  if (models != 1) return UsageError("convert takes one model file", kHelp);
  return ReportErrors([&] {
    for (const std::string& warning : conv::SAP2KREAD(model, conv::kCurrentFolder, options).Warnings()) {
      std::fprintf(stderr, "korvel: warning: %s\n", warning.c_str());
    }
  });
}

}  // namespace korvel::cli
