#pragma once
// Form1 of TRELVO, described once for every toolkit: what the program does,
// who made it, and buttons to convert and to quit.

#include "ui/form/form.h"

namespace korvel::conv {

// Command1 asks for the model's name and converts it (busy meanwhile),
// showing an error or the warnings; Command2 closes the window.
const form::Form& ConverterForm();

}  // namespace korvel::conv
