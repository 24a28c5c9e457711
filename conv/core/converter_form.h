#pragma once
// Form1 of TRELVO, described once for every toolkit: what the program does,
// who made it, and buttons to convert and to quit.

#include <filesystem>

#include "ui/form/form.h"

namespace korvel::conv {

// Command1 asks for a model's name and converts it in the current folder;
// Command2 closes the window.
const form::Form& ConverterForm();

// Asks for the model's name, a name in `folder` or a full path, and converts
// it into `folder` (busy meanwhile), showing an error or the warnings.
void ConvertAskedModel(form::View& view, const std::filesystem::path& folder);

}  // namespace korvel::conv
