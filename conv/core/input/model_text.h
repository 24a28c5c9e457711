#pragma once
// Pieces of the converter's warnings, which are UTF-8 sentences that quote
// the model (code page 936) briefly.

#include <string>
#include <string_view>

namespace korvel::conv {

// The model's text for a message, cut after a few dozen characters, a
// control character shown as "?".
std::string ModelText(std::string_view cp936);
// The same between ASCII double quotes, as every message quotes a name.
std::string QuotedModelText(std::string_view cp936);
// "第 N 行"
std::string LineExample(int line);

}  // namespace korvel::conv
