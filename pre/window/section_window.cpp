#include "pre/window/section_window.h"

#include "pre/core/section_form.h"
#include "pre/window/section_key.h"

namespace korvel::pre {

SectionWindow::SectionWindow(QWidget* parent) : FormWidget(SectionForm(), SectionFormClicked, parent) {
  SetPicture("Image1", DrawSectionKey());
}

}  // namespace korvel::pre
