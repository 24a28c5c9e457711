#pragma once
// The arguments of the commands that read one model (convert, check): --help,
// --classic or --modern, the command's own options and one model file.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "conv/core/reading/result.h"

namespace korvel::cli {

struct ModelCommand {
  std::string_view name;  // "convert"
  std::string_view verb;  // what it does with the model: "转换"
  std::string_view help;
};

// Reads `args` into `options` and `model`; `takeOption` takes one of the
// command's own options and says whether it did. Returns the exit status when
// the command is done already: its help shown, or wrong usage told.
std::optional<int> ReadModelArguments(const Arguments& args, const ModelCommand& command,
                                      const std::function<bool(std::string_view)>& takeOption,
                                      conv::ConversionOptions& options, std::string& model);

}  // namespace korvel::cli
