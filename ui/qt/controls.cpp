#include "ui/qt/controls.h"

#include "ui/form/window_base.h"
#include "ui/qt/fonts.h"

namespace korvel::qt {

QLabel* AddWrappedLabel(QWidget* parent, const char* name, const QString& text, QRect place) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Where SimSun is missing a wider font may need more lines than the label
  // has room for; a slightly smaller size keeps the whole text visible.
  QFont font = ChineseLabelFont();
  font.setPointSizeF(form::LabelPoints([&](double points) {
    font.setPointSizeF(points);
    label->setFont(font);
    return label->heightForWidth(place.width()) <= place.height();
  }));
  label->setFont(font);
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

}  // namespace korvel::qt
