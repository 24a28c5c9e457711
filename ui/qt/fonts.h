#pragma once

#include <QFont>

namespace korvel::qt {

// SimSun (宋体) at 10.5 pt where it is installed, otherwise the first Chinese
// font the system has, otherwise the default font at that size.
QFont ChineseLabelFont();

}  // namespace korvel::qt
