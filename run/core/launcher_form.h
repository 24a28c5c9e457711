#pragma once
// frmMain of KORVEL_RUN, described once for every toolkit: what KORVEL is, Run
// to start the solver on a job file, Exit.

#include "ui/form/form.h"

namespace korvel::run {

// cmdRun lets the user choose a *.dat file and starts the solver on it
// without waiting, showing why when it cannot start or when the file lies
// outside the working folder; cmdExit closes.
const form::Form& LauncherForm();

}  // namespace korvel::run
