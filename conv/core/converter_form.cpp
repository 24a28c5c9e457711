#include "conv/core/converter_form.h"

#include <exception>
#include <new>
#include <string>

#include "common/error.h"
#include "conv/core/conversion.h"

namespace korvel::conv {
namespace {

using form::ControlKind;

constexpr char kDescription[] =
    "将SAP 2000 v9 以上版本*.s2k程序中的框架和剪力墙信息转换至MSC.MARC2003以上版本。转换得到的MARC输入文件为data.mfd。";
constexpr char kCredit[] = "KORVEL 开发组";
constexpr char kPrompt[] = "请输入SAP2000(*.s2k)文件名称，必须包括后缀名";

// Command1 converts in the current folder.
void Convert(form::View& view) { ConvertAskedModel(view, kCurrentFolder); }

form::Form Build() {
  return {"Form1",
          "SAP2K to MARC转换器0.11版本",
          4680,
          3195,
          {
              {ControlKind::kButton, "Command1", "开始转换", {600, 2160, 1335, 495}, Convert},
              {ControlKind::kButton, "Command2", "退出程序", {2640, 2160, 1335, 495}, form::CloseWindow},
              {ControlKind::kWrappedLabel, "Label1", kDescription, {240, 120, 4215, 975}},
              {ControlKind::kWrappedLabel, "Label2", kCredit, {240, 1200, 4335, 615}},
          }};
}

}  // namespace

void ConvertAskedModel(form::View& view, const std::filesystem::path& folder) {
  const std::optional<std::string> name = view.AskText(kPrompt);
  if (!name) return;
  view.SetBusy(true);
  std::string error;
  ConversionResult result;
  try {
    result = SAP2KREAD(folder / form::PathOfText(*name), folder);
  } catch (const std::bad_alloc&) {
    error = kOutOfMemory;
  } catch (const std::exception& e) {
    error = e.what();
  }
  view.SetBusy(false);
  if (!error.empty()) {
    view.ShowError(error);
    return;
  }
  const std::vector<std::string> warnings = result.Warnings();
  if (warnings.empty()) return;
  std::string text = "debug.txt 和 out.txt 已写出，但请注意：\n";
  for (const std::string& warning : warnings) text += "\n" + warning;
  view.ShowWarnings(text);
}

const form::Form& ConverterForm() {
  static const form::Form form = Build();
  return form;
}

}  // namespace korvel::conv
