#include "common/window/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace korvel::window {

QFont ChineseLabelFont() {
  QFont font;
  font.setPointSizeF(10.5);
  const QStringList installed = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  for (const QString& family : {QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("NSimSun")}) {
    if (installed.contains(family)) {
      font.setFamily(family);
      return font;
    }
  }
  if (!installed.isEmpty()) font.setFamily(installed.front());
  return font;
}

}  // namespace korvel::window
