#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "cli/commands.h"
#include "cli/report.h"
#include "pre/core/matcode_file.h"
#include "pre/core/section_fields.h"

namespace korvel::cli {

namespace {
constexpr char kHelp[] =
    "usage: korvel pre SECTION\n"
    "\n"
    "Writes matcode0.txt in the current folder for the section described in the\n"
    "file SECTION (- for standard input): one Name=value per line, names\n"
    "LengthX LengthY Modulus Cover, Core.fc Core.eps0 Core.sigu Core.epsu Core.E0,\n"
    "Cover.fc ... Cover.E0, Bar1.Es Bar1.fy Bar1.As ... Bar4.As. A value is read\n"
    "like a field of KORVEL_PRE; a name not given counts as 0. Blank lines and\n"
    "lines starting with # are passed over.\n";
}

int RunPre(const Arguments& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) return PrintHelp(kHelp);
  if (args.size() != 1) return UsageError("pre takes one section file", kHelp);
  const std::string name(args[0]);
  return ReportErrors([&] {
    pre::SectionInput section;
    if (name == "-") {
      section = pre::ReadSectionFile(std::cin, "<standard input>");
    } else {
      std::ifstream in(name, std::ios::binary);
      if (!in) throw Error("无法打开截面文件 \"" + name + "\"");
      section = pre::ReadSectionFile(in, name);
    }
    pre::Write_File(section);
  });
}

}  // namespace korvel::cli
