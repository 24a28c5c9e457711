#include "pre/window/section_window.h"

#include "pre/core/section_form.h"

namespace korvel::pre {

SectionWindow::SectionWindow(QWidget* parent) : FormWidget(SectionForm(), SectionFormClicked, parent) {}

}  // namespace korvel::pre
