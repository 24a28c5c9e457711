#pragma once
// Form1 of TRELVO drawn by Qt.

#include "common/window/form_widget.h"

namespace korvel::conv {

class ConverterWindow : public window::FormWidget {
 public:
  explicit ConverterWindow(QWidget* parent = nullptr);
};

}  // namespace korvel::conv
