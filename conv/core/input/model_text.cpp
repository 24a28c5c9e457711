#include "conv/core/input/model_text.h"

#include "common/codepage.h"

namespace korvel::conv {
namespace {
constexpr std::size_t kQuotedBytes = 40;
}

std::string ModelText(std::string_view cp936) {
  // The mark is added once the text is UTF-8.
  std::string visible = Shortened(cp936, kQuotedBytes, Encoding::kCp936, "");
  const bool cut = visible.size() < cp936.size();
  // A control character could end the message (NUL) or steer the terminal
  // (ESC); it is never part of a double-byte character.
  for (char& c : visible) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  const std::string text = Cp936ToUtf8ForDisplay(visible);
  return cut ? text + "…" : text;
}

std::string QuotedModelText(std::string_view cp936) { return '"' + ModelText(cp936) + '"'; }

std::string LineExample(int line) { return "第 " + std::to_string(line) + " 行"; }

}  // namespace korvel::conv
