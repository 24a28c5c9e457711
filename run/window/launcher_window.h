#pragma once
// frmMain of KORVEL_RUN drawn by Qt.

#include "common/window/form_widget.h"

namespace korvel::run {

class LauncherWindow : public window::FormWidget {
 public:
  explicit LauncherWindow(QWidget* parent = nullptr);
};

}  // namespace korvel::run
