#include "common/window/controls.h"

#include "common/window/fonts.h"

namespace korvel::window {

QLabel* AddWrappedLabel(QWidget* parent, const char* name, const QString& text, QRect place) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Where SimSun is missing a wider font may need more lines than the label
  // has room for; a slightly smaller size keeps the whole text visible.
  QFont font = ChineseLabelFont();
  label->setFont(font);
  while (label->heightForWidth(place.width()) > place.height() && font.pointSizeF() > 8) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
  }
  return label;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect place) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(place);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace korvel::window
