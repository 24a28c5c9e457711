#include "conv/core/outputs/label_file.h"

#include "common/error.h"
#include "common/lenient_number.h"
#include "conv/core/input/field_scanner.h"

namespace korvel::conv {
namespace {

// A quoted item at the start of `line`, its doubled quotes made single; the
// rest of the line after it.
bool TakeQuoted(std::string_view& line, std::string& text) {
  if (!line.starts_with('"')) return false;
  text.clear();
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (line[i] != '"') {
      text += line[i];
    } else if (i + 1 < line.size() && line[i + 1] == '"') {
      text += '"';
      ++i;
    } else {
      line.remove_prefix(i + 1);
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<LabelLine> ReadLabelFile(std::string_view bytes, const std::string& fileName) {
  std::vector<LabelLine> lines;
  for (int number = 1; !bytes.empty(); ++number) {
    const std::size_t end = bytes.find("\r\n");
    auto fail = [&](const char* reason) { throw LineError("文件", fileName, number, reason); };
    if (end == std::string_view::npos) fail("行末没有 CR LF");
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end + 2);
    LabelLine label;
    if (!TakeQuoted(line, label.kind) || (label.kind != "joint" && label.kind != "frame" && label.kind != "area")) {
      fail("第一项应为 \"joint\"、\"frame\" 或 \"area\"");
    }
    if (!line.starts_with(',')) fail("名称前缺少逗号");
    line.remove_prefix(1);
    if (!TakeQuoted(line, label.name)) fail("名称应在双引号中，其中的双引号写两次");
    if (!line.starts_with(',') || !IsWholeLabel(line.substr(1))) fail("名称后应为逗号和一个整数标签");
    label.number = LenientNumber(line.substr(1));
    lines.push_back(std::move(label));
  }
  return lines;
}

}  // namespace korvel::conv
