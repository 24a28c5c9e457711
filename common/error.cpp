#include "common/error.h"

namespace korvel {
namespace {
constexpr std::size_t kExcerptBytes = 60;
}

Error FileError(std::string_view file, std::string_view reason) {
  std::string message(file);
  message += "：";
  message += reason;
  return Error(message);
}

Error LineError(std::string_view file, int line, std::string_view reason) {
  std::string message(file);
  message += " 第 " + std::to_string(line) + " 行：";
  message += reason;
  return Error(message);
}

std::string Excerpt(std::string_view text) {
  if (text.size() <= kExcerptBytes) return std::string(text);
  std::size_t cut = kExcerptBytes;
  // Never end inside a UTF-8 character: step back over continuation bytes.
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return std::string(text.substr(0, cut)) + "…";
}

}  // namespace korvel
