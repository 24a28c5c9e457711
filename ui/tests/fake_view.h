#pragma once
// A window for testing a form's logic without any toolkit: texts in a map,
// what would have been shown kept in lists, answers to dialogs given ahead.

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/form/form.h"

namespace korvel::test_support {

class FakeView : public form::View {
 public:
  // Every edit field with its initial text.
  explicit FakeView(const form::Form& form) : form_(form) {
    for (const form::Control& c : form.controls) {
      if (c.kind == form::ControlKind::kEdit) texts[c.name] = c.caption;
    }
  }

  // A click on the control of that name: its action, if it has one.
  void Click(std::string_view control) {
    const form::Control* c = form_.Find(control);
    if (!c) throw std::invalid_argument("no control " + std::string(control));
    form::RunAction(*c, *this);
  }

  std::string Text(std::string_view control) const override {
    const auto found = texts.find(std::string(control));
    return found == texts.end() ? "" : found->second;
  }
  void SetText(std::string_view control, const std::string& text) override { texts[std::string(control)] = text; }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  void ShowWarnings(const std::string& text) override { warnings.push_back(text); }
  std::optional<std::string> AskText(const std::string& prompt) override {
    prompts.push_back(prompt);
    return answer;
  }
  std::optional<std::string> OpenFile(const form::FileFilter& shown) override {
    filter = shown;
    return answer;
  }
  void SetBusy(bool busy) override { busyChanges.push_back(busy); }
  void Close() override { closed = true; }

  std::map<std::string, std::string> texts;
  std::optional<std::string> answer;       // what the next dialog gives
  std::optional<form::FileFilter> filter;  // of the last file dialog
  std::vector<std::string> errors, warnings, prompts;
  std::vector<bool> busyChanges;
  bool closed = false;

 private:
  const form::Form& form_;
};

}  // namespace korvel::test_support
