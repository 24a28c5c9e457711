#pragma once
// The whole of a Qt window program: the application under its name, the
// window, its events until it is closed.

#include "ui/form/form.h"

namespace korvel::qt {

int RunProgram(int argc, char** argv, const char* name, const form::Form& form);

}  // namespace korvel::qt
