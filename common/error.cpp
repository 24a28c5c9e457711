#include "common/error.h"

namespace korvel {
namespace {
constexpr std::size_t kExcerptBytes = 60;

std::string Named(std::string_view kind, std::string_view name) {
  std::string named(kind);
  named += " \"";
  named += name;
  named += "\"";
  return named;
}
}  // namespace

Error FileError(std::string_view kind, std::string_view name, std::string_view reason) {
  return Error(Named(kind, name) + "：" + std::string(reason));
}

Error LineError(std::string_view kind, std::string_view name, int line, std::string_view reason) {
  return Error(Named(kind, name) + " 第 " + std::to_string(line) + " 行：" + std::string(reason));
}

std::string Excerpt(std::string_view text) {
  if (text.size() <= kExcerptBytes) return std::string(text);
  std::size_t cut = kExcerptBytes;
  // Never end inside a UTF-8 character: step back over continuation bytes.
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return std::string(text.substr(0, cut)) + "…";
}

}  // namespace korvel
