#pragma once
// "labels.txt" read back strictly, as a spreadsheet or a script reads it: a
// CR LF line per name, the kind ("joint", "frame" or "area") and the name in
// double quotes (a quote inside doubled), then the number the name got.

#include <string>
#include <string_view>
#include <vector>

namespace korvel::conv {

struct LabelLine {
  std::string kind, name;
  double number = 0;
};

// Throws Error naming the line of the first thing that does not fit.
std::vector<LabelLine> ReadLabelFile(std::string_view bytes, const std::string& fileName = "labels.txt");

}  // namespace korvel::conv
