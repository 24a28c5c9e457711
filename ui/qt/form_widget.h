#pragma once
// A Qt window drawn from a form description: controls at their twips places
// in tab order, each click calling the control's action, and the view that
// logic speaks to.

#include <QPointer>
#include <QWidget>
#include <map>
#include <string>

#include "ui/form/window_base.h"

namespace korvel::qt {

class FormWidget : public QWidget, public form::WindowBase {
 public:
  explicit FormWidget(const form::Form& form, QWidget* parent = nullptr);

  QWidget* Control(std::string_view name) const;

  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, const std::string& text) override;
  void SetBusy(bool busy) override;
  void Close() override;

 private:
  std::map<std::string, QWidget*, std::less<>> controls_;
  QPointer<QWidget> focusedBeforeBusy_;
};

}  // namespace korvel::qt
