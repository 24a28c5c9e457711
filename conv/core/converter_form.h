#pragma once
// Form1 of TRELVO, described once for every toolkit: what the program does,
// who made it, and buttons to convert and to quit.

#include <string_view>

#include "common/form/form.h"

namespace korvel::conv {

const form::Form& ConverterForm();

// Command1 asks for the model's name and converts it (busy meanwhile),
// showing an error or the warnings; Command2 closes the window.
void ConverterFormClicked(std::string_view control, form::View& view);

}  // namespace korvel::conv
