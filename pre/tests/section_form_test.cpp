#include "pre/core/section_form.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/tests/temp_folder.h"
#include "pre/core/section_fields.h"
#include "ui/tests/fake_view.h"

namespace korvel::pre {
namespace {

using test_support::CurrentFolder;
using test_support::FakeView;
using test_support::TempFolder;

// Each field has its caption on its left, on its row: the caption its
// messages name it by.
TEST(SectionForm, EveryFieldHasItsCaptionOnItsLeft) {
  for (int n = 1; n <= kFieldCount; ++n) {
    const form::Control* label = SectionForm().Find("Label" + std::to_string(n));
    const form::Control* field = SectionForm().Find("Text" + std::to_string(n));
    ASSERT_TRUE(label && field) << n;
    EXPECT_EQ(label->caption, kSectionFields[n - 1].caption);
    EXPECT_LE(label->place.left + label->place.width, field->place.left) << label->caption;
    EXPECT_LT(std::abs(label->place.top - field->place.top), field->place.height) << label->caption;
  }
}

TEST(SectionForm, KeyPictureShowsTheFourNumberedBarsAtTheInnerCorners) {
  const form::Picture* key = SectionForm().Find("Image1")->picture;
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->width, 203);
  EXPECT_EQ(key->height, 240);
  std::vector<std::pair<double, double>> bars;
  std::string numbers;
  for (const form::Shape& s : key->shapes) {
    if (s.kind == form::Shape::Kind::kDot) bars.emplace_back(s.x1, s.y1);
    if (s.kind == form::Shape::Kind::kText && !s.italic) numbers += s.text;
  }
  // Bottom left, bottom right, top left, top right: y grows downwards.
  EXPECT_EQ(bars, (std::vector<std::pair<double, double>>{{44, 196}, {156, 196}, {44, 44}, {156, 44}}));
  EXPECT_EQ(numbers, "1234");
}

TEST(SectionForm, CheckBoxCopiesTheCoreTextsAsTyped) {
  FakeView view(SectionForm());
  view.texts["Text5"] = "30 MPa";
  view.texts["Text13"] = "3e4";
  view.texts["Text9"] = "typed before";
  view.Click("Check1");
  EXPECT_EQ(view.texts["Text9"], "30 MPa");
  EXPECT_EQ(view.texts["Text14"], "3e4");
  EXPECT_EQ(view.texts["Text10"], "0");
}

TEST(SectionForm, OkWritesTheFileAndAnOverflowKeepsEveryText) {
  TempFolder folder;
  CurrentFolder here(folder.path());
  FakeView view(SectionForm());
  view.Click("cmdOK");
  EXPECT_TRUE(view.errors.empty());
  EXPECT_TRUE(folder.Read("matcode0.txt").starts_with("1\r\n0,0,0\r\n"));
  view.texts["Text4"] = "1e400";
  view.Click("cmdOK");
  ASSERT_EQ(view.errors.size(), 1u);
  EXPECT_NE(view.errors[0].find("保护层厚度"), std::string::npos) << view.errors[0];
  EXPECT_EQ(view.texts["Text4"], "1e400");
  view.Click("cmdEnd");
  EXPECT_TRUE(view.closed);
}

}  // namespace
}  // namespace korvel::pre
