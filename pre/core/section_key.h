#pragma once
// The 203 x 240 pixel key beside the fields of KORVEL_PRE: the section with
// its 6 x 6 fiber grid, the x and y axes from the centre and the bars
// numbered 1 bottom left, 2 bottom right, 3 top left, 4 top right. Described
// once; the Qt and the Win32 windows draw it.

#include "ui/form/form.h"

namespace korvel::pre {

const form::Picture& SectionKey();

}  // namespace korvel::pre
