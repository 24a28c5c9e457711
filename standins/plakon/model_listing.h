#pragma once
// "data.mfd" as the stand-in writes it: a readable listing of the model.

#include <string>

#include "conv/core/outputs/model_file.h"

namespace korvel::standins {

std::string ModelListing(const conv::ModelFile& model);

}  // namespace korvel::standins
