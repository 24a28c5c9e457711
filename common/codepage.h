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

// A text shortened for a message: whole when it holds at most `bytes` bytes,
// otherwise its longest beginning that fits and does not end inside a
// character of its encoding, followed by `mark`.
enum class Encoding { kUtf8, kCp936 };
std::string Shortened(std::string_view text, std::size_t bytes, Encoding encoding, std::string_view mark);

// The length of the well-formed UTF-8 character that starts at text[at] (no
// surrogate, no overlong form), 0 where none does.
std::size_t Utf8CharacterLength(std::string_view text, std::size_t at);

// A file name for a message or a picture: UTF-8 as it is; a name that is not
// UTF-8 (one made on a Chinese Windows system) read as code page 936.
std::string NameForDisplay(std::string_view name);

#ifdef _WIN32
// For Windows' "W" functions; bytes that are no UTF-8 become U+FFFD.
std::wstring Utf8ToUtf16(std::string_view utf8);
#endif

}  // namespace korvel
