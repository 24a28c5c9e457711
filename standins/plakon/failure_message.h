#pragma once
// Where Plakon.exe's message reaches the user when it cannot write data.mfd.

#include <string>

namespace korvel::standins {

// Writes the UTF-8 message to the error output. On Windows, a console shows
// it in any code page; and when the console is the stand-in's own (TRELVO
// starts it from a window, so Windows opens a console that closes with it),
// it waits for a key, or the message would flash by unread.
void ShowFailure(const std::string& message);

}  // namespace korvel::standins
