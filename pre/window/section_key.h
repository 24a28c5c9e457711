#pragma once

#include <QPixmap>

namespace korvel::pre {

// The 203 x 240 pixel key beside the fields: the section with its 6 x 6 fiber
// grid, the x and y axes from the centre and the bars numbered 1 bottom left,
// 2 bottom right, 3 top left, 4 top right.
QPixmap DrawSectionKey();

}  // namespace korvel::pre
