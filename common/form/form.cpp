#include "common/form/form.h"

#include <algorithm>

namespace korvel::form {

const Control* Form::Find(std::string_view control) const {
  const auto found = std::find_if(controls.begin(), controls.end(), [&](const Control& c) { return c.name == control; });
  return found == controls.end() ? nullptr : &*found;
}

std::filesystem::path PathOfText(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace korvel::form
