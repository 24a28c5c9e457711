// KORVEL_PRE drawn with Win32, driven through its native controls.

#include <gtest/gtest.h>

#include "common/tests/temp_folder.h"
#include "pre/core/section_form.h"
#include "ui/tests/win32_driver.h"

namespace korvel::pre {
namespace {

using namespace test_support;

class SectionWin32 : public ::testing::Test {
 protected:
  SectionWin32() : here_(folder_.path()) { ShowWindow(window_.handle(), SW_SHOW); }
  HWND Control(const char* name) { return window_.Control(name); }
  HWND Field(int n) { return Control(("Text" + std::to_string(n)).c_str()); }

  TempFolder folder_;
  CurrentFolder here_;
  win32::FormWindow window_{SectionForm()};
};

TEST_F(SectionWin32, ShowsItsTextsWithEveryGlyph) {
  EXPECT_EQ(TextOf(window_.handle()), "KORVEL前处理");
  for (int n = 1; n <= 26; ++n) EXPECT_EQ(TextOf(Field(n)), "0");
  for (int n = 1; n <= 26; ++n) {
    EXPECT_TRUE(HasEveryGlyph(Control(("Label" + std::to_string(n)).c_str()))) << "Label" << n;
  }
  EXPECT_TRUE(HasEveryGlyph(Control("Check1")));
}

TEST_F(SectionWin32, TabRunsThroughTheFieldsThenTheButtonsAndTheCheckBox) {
  std::vector<HWND> order;
  for (int n = 1; n <= 26; ++n) order.push_back(Field(n));
  order.insert(order.end(), {Control("cmdOK"), Control("cmdEnd"), Control("Check1"), Field(1)});
  for (std::size_t i = 1; i < order.size(); ++i) {
    PressKey(window_.handle(), VK_TAB);
    EXPECT_EQ(GetFocus(), order[i]) << "after " << i << " tabs";
  }
}

// The worked example typed field by field, first with a cover that
// overflows: the error is shown, every text kept, and the keyboard goes on
// where it was; OK is pressed with Space twice.
TEST_F(SectionWin32, ByKeyboardAnErrorThenTheWorkedExampleTwice) {
  const char* values[] = {"400",   "600",    "30000",  "1e400", "30",     ".002",   "6",   ".0035",  "26.8",
                          ".0022", "5.36",   ".0038",  "30000", "28500",  "200000", "360", "314.16", "200000",
                          "360",   "490.87", "210000", "400",   "314.16", "195000", "335", "201.06"};
  for (int n = 1; n <= 26; ++n) {
    TabTo(window_.handle(), Field(n));
    TypeKeys(window_.handle(), values[n - 1]);
  }
  PressKey(window_.handle(), VK_RETURN);
  PressKey(window_.handle(), VK_ESCAPE);
  EXPECT_FALSE(folder_.Has("matcode0.txt")) << "Enter and Escape press no button";
  folder_.Write("matcode0.txt", "old");
  KeyboardAnswers answers(window_.handle());
  answers.Add("", VK_RETURN);
  TabTo(window_.handle(), Control("cmdOK"));
  PressKey(window_.handle(), VK_SPACE);
  ASSERT_EQ(answers.shown().size(), 1u);
  EXPECT_NE(answers.shown()[0].find("保护层厚度"), std::string::npos) << answers.shown()[0];
  EXPECT_EQ(TextOf(Field(4)), "1e400");
  EXPECT_EQ(folder_.Read("matcode0.txt"), "old");
  EXPECT_EQ(GetFocus(), Control("cmdOK"));

  TabTo(window_.handle(), Field(4));
  TypeKeys(window_.handle(), "40");
  TabTo(window_.handle(), Control("cmdOK"));
  const std::string golden = TempFolder::ReadFile(KORVEL_SOURCE_DIR "/pre/tests/golden/worked-example.matcode0.txt");
  for (int press = 1; press <= 2; ++press) {
    std::filesystem::remove(folder_.Path("matcode0.txt"));
    PressKey(window_.handle(), VK_SPACE);
    EXPECT_EQ(folder_.Read("matcode0.txt"), golden) << "press " << press;
  }
  EXPECT_EQ(answers.shown().size(), 1u);
}

}  // namespace
}  // namespace korvel::pre
