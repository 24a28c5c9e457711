#include "common/codepage.h"

#include "common/error.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace korvel {
namespace {

constexpr char kFailure[] = "无法转换文本的编码（代码页 936）";

#ifdef _WIN32
std::wstring ToWide(std::string_view text, unsigned codePage) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (length == 0) throw Error(kFailure);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
  return wide;
}

std::string FromWide(const std::wstring& wide, unsigned codePage) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  BOOL lossy = FALSE;
  BOOL* lossyFlag = codePage == CP_UTF8 ? nullptr : &lossy;
  const DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : 0;
  const int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, lossyFlag);
  if (length == 0 || lossy) throw Error(kFailure);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr, lossyFlag);
  return text;
}

std::string Convert(std::string_view text, unsigned from, unsigned to) { return FromWide(ToWide(text, from), to); }
}  // namespace

std::string Utf8ToCp936(std::string_view utf8) { return Convert(utf8, CP_UTF8, 936); }
std::string Cp936ToUtf8(std::string_view cp936) { return Convert(cp936, 936, CP_UTF8); }
std::wstring Utf8ToUtf16(std::string_view utf8) {
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

#else
std::string Convert(std::string_view text, const char* from, const char* to) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) throw Error(kFailure);
  // One byte may become three (0x80, the euro sign, is U+20AC).
  std::string result(text.size() * 3 + 4, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char* out = result.data();
  std::size_t outLeft = result.size();
  const std::size_t done = iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  if (done == static_cast<std::size_t>(-1)) throw Error(kFailure);
  result.resize(result.size() - outLeft);
  return result;
}
}  // namespace

std::string Utf8ToCp936(std::string_view utf8) { return Convert(utf8, "UTF-8", "CP936"); }
std::string Cp936ToUtf8(std::string_view cp936) { return Convert(cp936, "CP936", "UTF-8"); }
#endif

std::string Cp936ToUtf8ForDisplay(std::string_view cp936) {
  try {
    return Cp936ToUtf8(cp936);
  } catch (const Error&) {
    std::string shown;
    for (char c : cp936) shown += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    return shown;
  }
}

std::string Shortened(std::string_view text, std::size_t bytes, Encoding encoding, std::string_view mark) {
  if (text.size() <= bytes) return std::string(text);
  std::size_t cut = 0;
  if (encoding == Encoding::kUtf8) {
    // Step back over continuation bytes to the start of a character.
    cut = bytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  } else {
    // A lead byte 0x81-0xFE takes the next byte with it.
    for (std::size_t i = 0; i < bytes;) {
      const auto c = static_cast<unsigned char>(text[i]);
      i += c >= 0x81 && c <= 0xFE ? 2 : 1;
      if (i > bytes) break;
      cut = i;
    }
  }
  std::string shortened(text.substr(0, cut));
  shortened += mark;
  return shortened;
}

std::size_t Utf8CharacterLength(std::string_view text, std::size_t at) {
  auto byte = [&](std::size_t i) { return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u; };
  const unsigned lead = byte(0);
  if (lead < 0x80) return at < text.size() ? 1 : 0;
  // The range of the second byte depends on the lead; the others are 80-BF.
  std::size_t length = 0;
  unsigned low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // not a surrogate
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

std::string NameForDisplay(std::string_view name) {
  for (std::size_t i = 0; i < name.size();) {
    const std::size_t length = Utf8CharacterLength(name, i);
    if (length == 0) return Cp936ToUtf8ForDisplay(name);
    i += length;
  }
  return std::string(name);
}

}  // namespace korvel
