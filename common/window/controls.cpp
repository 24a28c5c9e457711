#include "common/window/controls.h"

#include "common/window/fonts.h"

namespace korvel::window {

QLabel* AddWrappedLabel(QWidget* parent, const char* name, const QString& text, QRect place) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(ChineseLabelFont());
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
