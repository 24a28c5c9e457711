#include "pre/core/section_form.h"

#include <string>
#include <utility>

#include "common/error.h"
#include "pre/core/matcode_file.h"
#include "pre/core/section_fields.h"

namespace korvel::pre {
namespace {

using form::ControlKind;

struct FieldPlace {
  const char* caption;
  int left, top, labelWidth;
};

// Field k + 1: caption, field position in twips and caption width.
constexpr FieldPlace kPlaces[kFieldCount] = {
    {"截面X方向长度", 1920, 240, 1215},     {"截面Y方向长度", 1920, 720, 1215},
    {"截面弹性模量", 1920, 1200, 1215},     {"保护层厚度", 1920, 1680, 1215},
    {"核心区混凝土fc", 1920, 2160, 1455},   {"核心区混凝土eps0", 1920, 2640, 1575},
    {"核心区混凝土sigu", 1920, 3120, 1575}, {"核心区混凝土epsu", 1920, 3600, 1575},
    {"保护层混凝土fc", 4920, 2160, 1455},   {"保护层混凝土eps0", 4920, 2640, 1575},
    {"保护层混凝土sigu", 4920, 3120, 1575}, {"保护层混凝土epsu", 4920, 3600, 1575},
    {"核心区混凝土E0", 1920, 4080, 1575},   {"保护层混凝土E0", 4920, 4080, 1575},
    {"钢筋1 Es", 1920, 4560, 1575},         {"钢筋1 fy", 4920, 4560, 1575},
    {"钢筋1 As", 7920, 4560, 975},          {"钢筋2 Es", 1920, 5040, 1575},
    {"钢筋2 fy", 4920, 5040, 1575},         {"钢筋2 As", 7920, 5040, 975},
    {"钢筋3 Es", 1920, 5520, 1575},         {"钢筋3 fy", 4920, 5520, 1575},
    {"钢筋3 As", 7920, 5520, 975},          {"钢筋4 Es", 1920, 6000, 1575},
    {"钢筋4 fy", 4920, 6000, 1575},         {"钢筋4 As", 7920, 6000, 1095},
};

// The caption column sits 1680 twips left of its field column, its top 120 twips lower.
constexpr int kLabelOffset = 1680, kLabelDrop = 120;

// The check box copies Text5..Text8 into Text9..Text12 and Text13 into Text14.
constexpr std::pair<int, int> kCopies[] = {{5, 9}, {6, 10}, {7, 11}, {8, 12}, {13, 14}};

std::string FieldName(int n) { return "Text" + std::to_string(n); }

form::Form Build() {
  form::Form f{"frmMain", "KORVEL前处理", 9570, 7620, {}};
  for (int k = 0; k < kFieldCount; ++k) {
    const FieldPlace& place = kPlaces[k];
    f.controls.push_back({ControlKind::kLabel, "Label" + std::to_string(k + 1), place.caption,
                          {place.left - kLabelOffset, place.top + kLabelDrop, place.labelWidth, 255}});
    f.controls.push_back({ControlKind::kEdit, FieldName(k + 1), "0", {place.left, place.top, 975, 375}});
  }
  f.controls.push_back({ControlKind::kButton, "cmdOK", "OK", {2760, 6720, 1335, 495}});
  f.controls.push_back({ControlKind::kButton, "cmdEnd", "End", {5400, 6720, 1335, 495}});
  f.controls.push_back({ControlKind::kCheckBox, "Check1", "同核心区混凝土", {3360, 1560, 2055, 375}});
  f.controls.push_back({ControlKind::kPicture, "Image1", "", {6360, 120, 3045, 3600}});
  return f;
}

void WriteFromFields(form::View& view) {
  SectionTexts texts;
  for (int k = 0; k < kFieldCount; ++k) texts[k] = view.Text(FieldName(k + 1));
  const std::string unchanged = "\n\nmatcode0.txt 没有改动。";
  try {
    Write_File(SectionFromTexts(texts));
  } catch (const FieldOverflow& e) {
    const int k = e.field() - 1;
    view.ShowError(std::string("“") + kPlaces[k].caption + "”（Text" + std::to_string(e.field()) +
                   "）中的数值超出了双精度数的范围：" + Excerpt(texts[k]) + unchanged);
  } catch (const OverflowError&) {
    view.ShowError("截面计算的结果超出了双精度数的范围，请检查尺寸和保护层厚度。" + unchanged);
  } catch (const Error& e) {
    view.ShowError(e.what() + unchanged);
  }
}

}  // namespace

const form::Form& SectionForm() {
  static const form::Form form = Build();
  return form;
}

void SectionFormClicked(std::string_view control, form::View& view) {
  if (control == "Check1") {
    for (const auto& [from, to] : kCopies) view.SetText(FieldName(to), view.Text(FieldName(from)));
  } else if (control == "cmdOK") {
    WriteFromFields(view);
  } else if (control == "cmdEnd") {
    view.Close();
  }
}

}  // namespace korvel::pre
