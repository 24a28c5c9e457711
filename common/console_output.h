#pragma once
// Messages of a command-line program to its standard output or error, so that
// they read right wherever they go. On Windows, a console is written through
// the wide console API (Chinese shows in any console code page); a file or a
// pipe gets the text in the console's code page (the system's ANSI code page
// when there is no console), so Notepad opens a redirected log of a Chinese
// system right; KORVEL_UTF8=1 in the environment keeps UTF-8 there instead.
// Elsewhere the UTF-8 text is written as it is. Pictures and other data are
// not messages: they are written byte for byte, never through this.

#include <cstdio>
#include <string_view>

namespace korvel {

// Writes the UTF-8 text to `stream` (stdout or stderr). A failed write shows
// in ferror(stream), as with fwrite.
void WriteMessage(std::FILE* stream, std::string_view utf8);

#ifdef _WIN32
// The code page a redirected message is written in: 65001 (UTF-8) when
// KORVEL_UTF8=1, otherwise the console's output code page, or the ANSI code
// page when the program has no console.
unsigned RedirectedCodePage();
#endif

}  // namespace korvel
