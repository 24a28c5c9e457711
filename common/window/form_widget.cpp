#include "common/window/form_widget.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "common/window/controls.h"
#include "common/window/picture_painter.h"
#include "common/window/twips.h"

namespace korvel::window {
namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QRect Place(const form::TwipsRect& r) { return TwipsRect(r.left, r.top, r.width, r.height); }

QWidget* Build(QWidget* parent, const form::Control& c, const std::function<void()>& click) {
  const QString caption = FromUtf8(c.caption);
  QWidget* widget = nullptr;
  switch (c.kind) {
    case form::ControlKind::kLabel:
      widget = new QLabel(caption, parent);
      break;
    case form::ControlKind::kWrappedLabel:
      return AddWrappedLabel(parent, c.name.c_str(), caption, Place(c.place));
    case form::ControlKind::kEdit:
      widget = new QLineEdit(caption, parent);
      break;
    case form::ControlKind::kCheckBox: {
      auto* box = new QCheckBox(caption, parent);
      QObject::connect(box, &QCheckBox::clicked, parent, click);
      widget = box;
      break;
    }
    case form::ControlKind::kButton: {
      QPushButton* button = AddButton(parent, c.name.c_str(), caption, Place(c.place));
      QObject::connect(button, &QPushButton::clicked, parent, click);
      return button;
    }
    case form::ControlKind::kPicture: {
      auto* picture = new QLabel(parent);
      picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      if (c.picture) picture->setPixmap(PaintPicture(*c.picture));
      widget = picture;
      break;
    }
  }
  widget->setObjectName(QString::fromStdString(c.name));
  widget->setGeometry(Place(c.place));
  return widget;
}

}  // namespace

FormWidget::FormWidget(const form::Form& form, form::ClickHandler clicked, QWidget* parent) : QWidget(parent) {
  setObjectName(QString::fromStdString(form.name));
  setWindowTitle(FromUtf8(form.caption));
  SetClientSize(*this, form.width, form.height);

  QWidget* previous = nullptr;
  for (const form::Control& c : form.controls) {
    const std::string name = c.name;
    QWidget* widget = Build(this, c, [this, clicked, name] { clicked(name, *this); });
    controls_.emplace(c.name, widget);
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    if (previous) {
      setTabOrder(previous, widget);
    } else {
      widget->setFocus();
    }
    previous = widget;
  }

  reportError = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };
  reportWarnings = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
  askText = [this](const QString& prompt) -> std::optional<QString> {
    bool accepted = false;
    const QString text = QInputDialog::getText(this, QApplication::applicationName(), prompt, QLineEdit::Normal,
                                               QString(), &accepted);
    return accepted ? std::optional<QString>(text) : std::nullopt;
  };
  chooseDataFile = [this]() -> std::optional<QString> {
    // Opened in the current folder every time, not in the one last visited.
    QFileDialog dialog(this, QString(), QDir::currentPath());
    dialog.setObjectName("cdOpen");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter("Data files (*.dat)");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().front());
  };
}

QWidget* FormWidget::Control(std::string_view name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

std::string FormWidget::Text(std::string_view control) const {
  if (const auto* field = qobject_cast<const QLineEdit*>(Control(control))) return field->text().toStdString();
  return {};
}

void FormWidget::SetText(std::string_view control, const std::string& text) {
  if (auto* field = qobject_cast<QLineEdit*>(Control(control))) field->setText(FromUtf8(text));
}

void FormWidget::ShowError(const std::string& text) { reportError(FromUtf8(text)); }

void FormWidget::ShowWarnings(const std::string& text) { reportWarnings(FromUtf8(text)); }

std::optional<std::string> FormWidget::AskText(const std::string& prompt) {
  const std::optional<QString> text = askText(FromUtf8(prompt));
  return text ? std::optional<std::string>(text->toStdString()) : std::nullopt;
}

std::optional<std::string> FormWidget::ChooseDataFile() {
  const std::optional<QString> file = chooseDataFile();
  return file ? std::optional<std::string>(file->toStdString()) : std::nullopt;
}

void FormWidget::SetBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void FormWidget::Close() { close(); }

}  // namespace korvel::window
