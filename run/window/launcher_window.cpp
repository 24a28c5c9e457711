#include "run/window/launcher_window.h"

#include "run/core/launcher_form.h"

namespace korvel::run {

LauncherWindow::LauncherWindow(QWidget* parent) : FormWidget(LauncherForm(), LauncherFormClicked, parent) {}

}  // namespace korvel::run
