#include "cli/model_arguments.h"

#include "cli/report.h"

namespace korvel::cli {

std::optional<int> ReadModelArguments(const Arguments& args, const ModelCommand& command,
                                      const std::function<bool(std::string_view)>& takeOption,
                                      conv::ConversionOptions& options, std::string& model) {
  int models = 0;
  for (std::string_view arg : args) {
    if (arg == "--help" || arg == "-h") return PrintHelp(command.help);
    if (takeOption(arg)) continue;
    if (arg == "--classic" || arg == "--modern") {
      if (options.reading != conv::ReadingChoice::kFromModel) {
        return UsageError("--classic 和 --modern 只能给出一个", command.help);
      }
      options.reading = arg == "--classic" ? conv::ReadingChoice::kClassic : conv::ReadingChoice::kModern;
    } else if (arg.starts_with("--")) {
      return UsageError(Words(command.name, " 命令没有 ", Quoted(arg), " 这个选项"), command.help);
    } else if (++models > 1) {
      return UsageError(Words(command.name, " 只", command.verb, "一个模型文件，多出了 ", Quoted(arg)), command.help);
    } else {
      model = arg;
    }
  }
  if (models == 0) return UsageError(Words(command.name, " 需要一个模型文件（如 model.s2k）"), command.help);
  return std::nullopt;
}

}  // namespace korvel::cli
