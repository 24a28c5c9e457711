#include "common/form/form.h"

#include <algorithm>

namespace korvel::form {

const Control* Form::Find(std::string_view control) const {
  const auto found = std::find_if(controls.begin(), controls.end(), [&](const Control& c) { return c.name == control; });
  return found == controls.end() ? nullptr : &*found;
}

}  // namespace korvel::form
