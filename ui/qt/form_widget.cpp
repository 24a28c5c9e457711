#include "ui/qt/form_widget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "ui/form/window_base.h"
#include "ui/qt/controls.h"
#include "ui/qt/picture_painter.h"

namespace korvel::qt {
namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect Place(const form::TwipsRect& r) {
  return {form::Pixels(r.left), form::Pixels(r.top), form::Pixels(r.width), form::Pixels(r.height)};
}

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

FormWidget::FormWidget(const form::Form& form, QWidget* parent) : QWidget(parent) {
  setObjectName(QString::fromStdString(form.name));
  setWindowTitle(FromUtf8(form.caption));
  resize(form::Pixels(form.width), form::Pixels(form.height));

  QWidget* previous = nullptr;
  for (const form::Control& c : form.controls) {
    QWidget* widget = Build(this, c, [this, control = c] { form::RunAction(control, *this); });
    controls_.emplace(c.name, widget);
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    if (previous) {
      setTabOrder(previous, widget);
    } else {
      widget->setFocus();
    }
    previous = widget;
  }

  reportError = [this](const std::string& text) { QMessageBox::warning(this, windowTitle(), FromUtf8(text)); };
  reportWarnings = [this](const std::string& text) { QMessageBox::information(this, windowTitle(), FromUtf8(text)); };
  askText = [this](const std::string& prompt) -> std::optional<std::string> {
    bool accepted = false;
    const QString text = QInputDialog::getText(this, QApplication::applicationName(), FromUtf8(prompt),
                                               QLineEdit::Normal, QString(), &accepted);
    return accepted ? std::optional<std::string>(text.toStdString()) : std::nullopt;
  };
  openFile = [this](const form::FileFilter& filter) -> std::optional<std::string> {
    // Opened in the current folder every time, not in the one last visited.
    QFileDialog dialog(this, QString(), QDir::currentPath());
    dialog.setObjectName("cdOpen");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(FromUtf8(filter.description + " (" + filter.pattern + ")"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().front()).toStdString();
  };
}

QWidget* FormWidget::Control(std::string_view name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

std::string FormWidget::Text(std::string_view control) const {
  const QWidget* widget = Control(control);
  if (const auto* field = qobject_cast<const QLineEdit*>(widget)) return field->text().toStdString();
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text().toStdString();
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text().toStdString();
  return {};
}

void FormWidget::SetText(std::string_view control, const std::string& text) {
  if (auto* field = qobject_cast<QLineEdit*>(Control(control))) field->setText(FromUtf8(text));
}

void FormWidget::SetBusy(bool busy) {
  // Disabled, the window takes no input; the control that had the focus gets
  // it back afterwards.
  if (busy) {
    focusedBeforeBusy_ = focusWidget();
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
    setEnabled(true);
    if (focusedBeforeBusy_) focusedBeforeBusy_->setFocus();
  }
}

void FormWidget::Close() { close(); }

}  // namespace korvel::qt
