#pragma once
// frmMain of KORVEL_RUN, described once for every toolkit: what KORVEL is, Run
// to start the solver on a job file, Exit.

#include <string_view>

#include "common/form/form.h"

namespace korvel::run {

const form::Form& LauncherForm();

// cmdRun lets the user choose a *.dat file and starts the solver on it
// without waiting, showing why when it cannot start or when the file lies
// outside the working folder; cmdExit closes.
void LauncherFormClicked(std::string_view control, form::View& view);

}  // namespace korvel::run
