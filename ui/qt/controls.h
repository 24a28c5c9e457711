#pragma once
// The controls every window builds: named, placed in twips, buttons that
// never react to Enter.

#include <QLabel>
#include <QPushButton>
#include <QRect>

namespace korvel::qt {

// A label with the Chinese label font that wraps its text within its width,
// a little smaller where that is needed to show all of it.
QLabel* AddWrappedLabel(QWidget* parent, const char* name, const QString& text, QRect place);

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect place);

}  // namespace korvel::qt
