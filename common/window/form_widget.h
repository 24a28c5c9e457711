#pragma once
// A Qt window drawn from a form description: controls at their twips places
// in tab order, clicks passed to the form's logic, and the view that logic
// speaks to.

#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "common/form/form.h"

namespace korvel::window {

class FormWidget : public QWidget, public form::View {
 public:
  FormWidget(const form::Form& form, form::ClickHandler clicked, QWidget* parent = nullptr);

  // How the window meets its user: message boxes and dialogs, unless a test
  // replaces them.
  std::function<void(const QString& text)> reportError, reportWarnings;
  std::function<std::optional<QString>(const QString& prompt)> askText;
  std::function<std::optional<QString>()> chooseDataFile;

  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, const std::string& text) override;
  void ShowError(const std::string& text) override;
  void ShowWarnings(const std::string& text) override;
  std::optional<std::string> AskText(const std::string& prompt) override;
  std::optional<std::string> ChooseDataFile() override;
  void SetBusy(bool busy) override;
  void Close() override;

 private:
  QWidget* Control(std::string_view name) const;

  std::map<std::string, QWidget*, std::less<>> controls_;
};

}  // namespace korvel::window
