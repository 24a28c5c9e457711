#pragma once
// Text in code page 936 (GBK), the narrow code page of the files and command
// lines that the tool set exchanges with Chinese Windows systems.

#include <string>
#include <string_view>

namespace korvel {

// Throws Error when the text holds a character that the other side lacks.
std::string Utf8ToCp936(std::string_view utf8);
std::string Cp936ToUtf8(std::string_view cp936);

// For a message or a picture: the text in UTF-8, or, where it holds bytes
// that are no GBK text, its ASCII with every other byte shown as "?".
std::string Cp936ToUtf8ForDisplay(std::string_view cp936);

#ifdef _WIN32
// For Windows' "W" functions; bytes that are no UTF-8 become U+FFFD.
std::wstring Utf8ToUtf16(std::string_view utf8);
#endif

}  // namespace korvel
