#pragma once
// A described picture painted by Qt.

#include <QPixmap>

#include "ui/form/form.h"

namespace korvel::qt {

QPixmap PaintPicture(const form::Picture& picture);

}  // namespace korvel::qt
