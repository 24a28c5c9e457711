#pragma once
// Form1 of TRELVO, described once for every toolkit: what the program does,
// who made it, and buttons to convert and to quit.

#include <filesystem>
#include <string_view>

#include "common/form/form.h"

namespace korvel::conv {

const form::Form& ConverterForm();

// Command1 converts in the current folder; Command2 closes the window.
void ConverterFormClicked(std::string_view control, form::View& view);

// Asks for the model's name, a name in `folder` or a full path, and converts
// it into `folder` (busy meanwhile), showing an error or the warnings.
void ConvertAskedModel(form::View& view, const std::filesystem::path& folder);

}  // namespace korvel::conv
