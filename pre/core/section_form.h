#pragma once
// frmMain of KORVEL_PRE, described once for every toolkit: 26 fields for one
// section, a check box that copies the core-concrete texts into the
// cover-concrete fields, OK, End and the key picture.

#include "ui/form/form.h"

namespace korvel::pre {

// Check1 copies Text5..Text8 and Text13 into Text9..Text12 and Text14; cmdOK
// writes matcode0.txt from the 26 texts or shows why it could not, keeping
// every text; cmdEnd closes the window.
const form::Form& SectionForm();

}  // namespace korvel::pre
