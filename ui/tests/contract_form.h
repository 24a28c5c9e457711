#pragma once
// A small form with one control of each kind, and where both renderers must
// put them at 96 dpi: written out, not computed, so that a renderer that
// rounds differently fails. Twips that are no whole number of pixels test
// the rounding to the nearest pixel.

#include "ui/form/form.h"

namespace korvel::test_support {

inline void Go(form::View& view) { view.SetText("txtField", view.Text("lblOne")); }
inline void Copy(form::View& view) { view.SetText("txtField", view.Text("chkCopy")); }

inline const form::Picture& ContractPicture() {
  static const form::Picture picture{40, 30, {10, 20, 30}, "", {}};
  return picture;
}

inline const form::Form& ContractForm() {
  using form::ControlKind;
  static const form::Form form{
      "frmContract",
      "Contract",
      3000,
      2000,
      {
          {ControlKind::kLabel, "lblOne", "One line", {120, 120, 1200, 255}},
          {ControlKind::kWrappedLabel, "lblWrapped", "宋体的标签在窄处换行", {120, 450, 1500, 600}},
          {ControlKind::kEdit, "txtField", "initial", {1500, 120, 975, 375}},
          {ControlKind::kCheckBox, "chkCopy", "Copy", {1500, 600, 1200, 375}, Copy},
          {ControlKind::kButton, "cmdGo", "Go", {128, 1400, 1335, 495}, Go},
          {ControlKind::kPicture, "imgKey", "", {1700, 1100, 1000, 800}, nullptr, &ContractPicture()},
      }};
  return form;
}

struct PixelPlace {
  const char* name;
  int left, top, width, height;
};

inline constexpr int kContractWidth = 200, kContractHeight = 133;
inline constexpr PixelPlace kContractPlaces[] = {
    {"lblOne", 8, 8, 80, 17},     {"lblWrapped", 8, 30, 100, 40}, {"txtField", 100, 8, 65, 25},
    {"chkCopy", 100, 40, 80, 25}, {"cmdGo", 9, 93, 89, 33},       {"imgKey", 113, 73, 67, 53},
};

}  // namespace korvel::test_support
