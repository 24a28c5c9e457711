#include "common/error.h"

#include "common/codepage.h"

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

std::string Excerpt(std::string_view text) { return Shortened(text, kExcerptBytes, Encoding::kUtf8, "…"); }

}  // namespace korvel
