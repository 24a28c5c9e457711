#pragma once
// A window for testing a form's logic without any toolkit: texts in a map,
// what would have been shown kept in lists, answers to dialogs given ahead.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/form/form.h"

namespace korvel::test_support {

class FakeView : public form::View {
 public:
  // Every edit field with its initial text.
  explicit FakeView(const form::Form& form) {
    for (const form::Control& c : form.controls) {
      if (c.kind == form::ControlKind::kEdit) texts[c.name] = c.caption;
    }
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
  std::optional<std::string> ChooseDataFile() override { return answer; }
  void SetBusy(bool busy) override { busyChanges.push_back(busy); }
  void Close() override { closed = true; }

  std::map<std::string, std::string> texts;
  std::optional<std::string> answer;  // what the next dialog gives
  std::vector<std::string> errors, warnings, prompts;
  std::vector<bool> busyChanges;
  bool closed = false;
};

}  // namespace korvel::test_support
