#include "conv/window/converter_window.h"

#include "conv/core/converter_form.h"

namespace korvel::conv {

ConverterWindow::ConverterWindow(QWidget* parent) : FormWidget(ConverterForm(), ConverterFormClicked, parent) {}

}  // namespace korvel::conv
