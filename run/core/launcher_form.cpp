#include "run/core/launcher_form.h"

#include <new>

#include "common/error.h"
#include "run/core/job_folder.h"
#include "run/core/solver_command.h"

namespace korvel::run {
namespace {

using form::ControlKind;

constexpr char kDescription[] =
    "KORVEL是由开发组完成的钢筋混凝土杆系结构纤维模型程序。本程序基于MSC.MARC 2005r2版本，供国内各专业教学及科研使用。";
constexpr char kContact[] = "如有问题，请与 KORVEL 开发组联系。";
constexpr char kHomepage[] = "Homepage: https://korvel.example.org/";

void RunSolver(form::View& view) {
  const std::optional<std::string> chosen = view.OpenFile({"Data files", "*.dat"});
  if (!chosen) return;
  try {
    if (const std::optional<std::string> outside = JobOutsideWorkingFolder(*chosen)) {
      view.ShowError(*outside);
      return;
    }
    const std::optional<SolverCommand> command = SolverCommandFor(*chosen);
    if (!command) return;
    StartSolver(*command);
  } catch (const Error& e) {
    view.ShowError(e.what());
  } catch (const std::bad_alloc&) {
    view.ShowError(kOutOfMemory);
  }
}

form::Form Build() {
  return {"frmMain",
          "KORVEL执行界面主窗口(KORVEL 开发组)",
          5790,
          4350,
          {
              {ControlKind::kButton, "cmdRun", "Run", {960, 3360, 1215, 495}, RunSolver},
              {ControlKind::kButton, "cmdExit", "Exit", {3720, 3360, 1215, 495}, form::CloseWindow},
              {ControlKind::kWrappedLabel, "Label1", kDescription, {360, 240, 5055, 975}},
              {ControlKind::kWrappedLabel, "Label2", kContact, {360, 1320, 5055, 375}},
              {ControlKind::kWrappedLabel, "Label3", kHomepage, {360, 1680, 5055, 375}},
          }};
}

}  // namespace

const form::Form& LauncherForm() {
  static const form::Form form = Build();
  return form;
}

}  // namespace korvel::run
