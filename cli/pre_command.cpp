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
    "usage: korvel pre SECTION\n"
    "\n"
    "Writes matcode0.txt in the current folder for the section described in the\n"
    "file SECTION (- for standard input): one Name=value per line, names\n"
    "LengthX LengthY Modulus Cover, Core.fc Core.eps0 Core.sigu Core.epsu Core.E0,\n"
    "Cover.fc ... Cover.E0, Bar1.Es Bar1.fy Bar1.As ... Bar4.As. A value is read\n"
    "like a field of KORVEL_PRE; a name not given counts as 0. Blank lines and\n"
    "lines starting with # are passed over; a file that gives no name at all is\n"
    "refused.\n";
}  // namespace

int RunPre(const Arguments& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) return PrintHelp(kHelp);
  if (args.size() != 1) return UsageError("pre takes one section file", kHelp);
  const std::string name(args[0]);
  return ReportErrors([&] {
    InputFile file =
        name == "-" ? InputFile::StandardInput(pre::kSectionFileKind) : InputFile(name, pre::kSectionFileKind);
    std::istringstream text(file.ReadAll(kSectionFileLimit));
    pre::Write_File(pre::ReadSectionFile(text, file.name()));
  });
}

}  // namespace korvel::cli
