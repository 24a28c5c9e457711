#pragma once
// frmMain of KORVEL_PRE drawn by Qt.

#include "common/window/form_widget.h"

namespace korvel::pre {

class SectionWindow : public window::FormWidget {
 public:
  explicit SectionWindow(QWidget* parent = nullptr);
};

}  // namespace korvel::pre
