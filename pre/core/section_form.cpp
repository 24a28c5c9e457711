#include "pre/core/section_form.h"

#include <new>
#include <string>

#include "common/error.h"
#include "pre/core/matcode_file.h"
#include "pre/core/section_fields.h"
#include "pre/core/section_key.h"

namespace korvel::pre {
namespace {

using form::ControlKind;

// The caption column sits 1680 twips left of its field column, its top 120 twips lower.
constexpr int kLabelOffset = 1680, kLabelDrop = 120;

std::string FieldName(int n) { return "Text" + std::to_string(n); }

void CopyCoreConcrete(form::View& view) {
  for (int n = 1; n <= kFieldCount; ++n) {
    if (const int from = kSectionFields[n - 1].copiedFrom) view.SetText(FieldName(n), view.Text(FieldName(from)));
  }
}

void WriteFromFields(form::View& view) {
  SectionTexts texts;
  for (int k = 0; k < kFieldCount; ++k) texts[k] = view.Text(FieldName(k + 1));
  const std::string unchanged = "\n\nmatcode0.txt 没有改动。";
  try {
    Write_File(SectionFromTexts(texts));
  } catch (const FieldOverflow& e) {
    const int k = e.field() - 1;
    std::string message = "\"";
    message += kSectionFields[k].caption;
    message += "\" 中的数值 \"" + Excerpt(texts[k]) + "\" 超出双精度数的范围，请改为合理的数值";
    view.ShowError(message + unchanged);
  } catch (const Error& e) {
    view.ShowError(e.what() + unchanged);
  } catch (const std::bad_alloc&) {
    view.ShowError(kOutOfMemory + unchanged);
  }
}

form::Form Build() {
  form::Form f{"frmMain", "KORVEL前处理", 9570, 7620, {}};
  for (int k = 0; k < kFieldCount; ++k) {
    const SectionField& field = kSectionFields[k];
    f.controls.push_back({ControlKind::kLabel,
                          "Label" + std::to_string(k + 1),
                          std::string(field.caption),
                          {field.left - kLabelOffset, field.top + kLabelDrop, field.labelWidth, 255}});
    f.controls.push_back({ControlKind::kEdit, FieldName(k + 1), "0", {field.left, field.top, 975, 375}});
  }
  f.controls.push_back({ControlKind::kButton, "cmdOK", "OK", {2760, 6720, 1335, 495}, WriteFromFields});
  f.controls.push_back({ControlKind::kButton, "cmdEnd", "End", {5400, 6720, 1335, 495}, form::CloseWindow});
  f.controls.push_back({ControlKind::kCheckBox, "Check1", "同核心区混凝土", {3360, 1560, 2055, 375}, CopyCoreConcrete});
  f.controls.push_back({ControlKind::kPicture, "Image1", "", {6360, 120, 3045, 3600}, nullptr, &SectionKey()});
  return f;
}

}  // namespace

const form::Form& SectionForm() {
  static const form::Form form = Build();
  return form;
}

}  // namespace korvel::pre
