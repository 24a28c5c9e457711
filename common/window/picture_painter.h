#pragma once
// A described picture painted by Qt.

#include <QPixmap>

#include "common/form/form.h"

namespace korvel::window {

QPixmap PaintPicture(const form::Picture& picture);

}  // namespace korvel::window
