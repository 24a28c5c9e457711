// TRELVO drawn with Win32, driven through its native controls.

#include <gtest/gtest.h>

#include "common/tests/temp_folder.h"
#include "conv/core/converter_form.h"
#include "ui/tests/win32_driver.h"

namespace korvel::conv {
namespace {

using namespace test_support;

class ConverterWin32 : public ::testing::Test {
 protected:
  ConverterWin32() : here_(folder_.path()) { ShowWindow(window_.handle(), SW_SHOW); }
  HWND Control(const char* name) { return window_.Control(name); }

  TempFolder folder_;
  CurrentFolder here_;
  win32::FormWindow window_{ConverterForm()};
};

TEST_F(ConverterWin32, ShowsItsTextsWithEveryGlyph) {
  EXPECT_EQ(TextOf(window_.handle()), "SAP2K to MARC转换器0.11版本");
  EXPECT_EQ(TextOf(Control("Label2")), "KORVEL 开发组");
  for (const char* name : {"Label1", "Label2", "Command1", "Command2"})
    EXPECT_TRUE(HasEveryGlyph(Control(name))) << name;
  EXPECT_EQ(GetFocus(), Control("Command1"));
}

// Space on the start button, the model's name typed in the input box, Enter
// on the warning that Plakon.exe did not start: the focus is back on the
// button after each dialog, so the next Space works.
TEST_F(ConverterWin32, ConvertsTwiceByKeyboardAndCancelTouchesNothing) {
  folder_.Write("a.s2k", "TABLE:  \"JOINT COORDINATES\"\r\n   Joint=1   GlobalX=1   GlobalY=2   GlobalZ=3\r\n");
  folder_.Write("b.s2k", "TABLE:  \"PROGRAM CONTROL\"\r\n");
  SearchPathOnly noTool(folder_.path());
  KeyboardAnswers answers(window_.handle());
  answers.Add("a.s2k", VK_ESCAPE);
  PressKey(window_.handle(), VK_SPACE);
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"a.s2k", "b.s2k"}));
  const std::pair<const char*, const char*> conversions[] = {{"a.s2k", "1\r\n1,1,2,3\r\n0\r\n0\r\n0\r\n0\r\n"},
                                                             {"b.s2k", "0\r\n0\r\n0\r\n0\r\n0\r\n"}};
  for (const auto& [model, out] : conversions) {
    answers.Add(model, VK_RETURN);
    answers.Add("", VK_RETURN);
    PressKey(window_.handle(), VK_SPACE);
    EXPECT_EQ(folder_.Read("out.txt"), out) << model;
  }
  ASSERT_EQ(answers.shown().size(), 5u);
  EXPECT_NE(answers.shown()[3].find("请输入SAP2000"), std::string::npos) << answers.shown()[3];
  EXPECT_NE(answers.shown()[4].find("Plakon.exe"), std::string::npos) << answers.shown()[4];
  EXPECT_EQ(GetFocus(), Control("Command1"));
  EXPECT_TRUE(IsWindowEnabled(window_.handle())) << "ready again";
}

}  // namespace
}  // namespace korvel::conv
