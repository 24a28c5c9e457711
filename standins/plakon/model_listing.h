#pragma once
// "data.mfd" as the stand-in writes it: a readable listing of the model.

#include <string>

#include "standins/plakon/model_file.h"

namespace korvel::standins {

std::string ModelListing(const ModelFile& model);

}  // namespace korvel::standins
