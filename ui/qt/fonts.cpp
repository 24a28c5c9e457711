#include "ui/qt/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include "ui/form/window_base.h"

namespace korvel::qt {

QFont ChineseLabelFont() {
  QFont font;
  font.setPointSizeF(form::kLabelPoints);
  const QStringList installed = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  for (const char* face : form::kLabelFaces) {
    const QString family = QString::fromUtf8(face);
    if (installed.contains(family)) {
      font.setFamily(family);
      return font;
    }
  }
  if (!installed.isEmpty()) font.setFamily(installed.front());
  return font;
}

}  // namespace korvel::qt
