// TRELVO drawn with Win32, driven through its native controls.

#include <gtest/gtest.h>

#include "common/tests/temp_folder.h"
#include "common/tests/win32_driver.h"
#include "conv/core/converter_form.h"

namespace korvel::conv {
namespace {

using namespace test_support;

class ConverterWin32 : public ::testing::Test {
 protected:
  ConverterWin32() : here_(folder_.path()) {
    window_.askText = [this](const std::string& prompt) {
      prompts_.push_back(prompt);
      return answer_;
    };
    window_.reportError = [this](const std::string& text) { errors_.push_back(text); };
    window_.reportWarnings = [this](const std::string& text) { warnings_.push_back(text); };
    ShowWindow(window_.handle(), SW_SHOW);
  }
  HWND Control(const char* name) { return window_.Control(name); }

  TempFolder folder_;
  CurrentFolder here_;
  win32::FormWindow window_{ConverterForm(), ConverterFormClicked};
  std::optional<std::string> answer_;
  std::vector<std::string> prompts_, errors_, warnings_;
};

TEST_F(ConverterWin32, LaysOutTheWindowAndEveryGlyphIsThere) {
  EXPECT_EQ(TextOf(window_.handle()), "SAP2K to MARC转换器0.11版本");
  EXPECT_TRUE(PlaceOf(window_.handle(), Control("Command1")) == Pixels(600, 2160, 1335, 495));
  EXPECT_TRUE(PlaceOf(window_.handle(), Control("Label1")) == Pixels(240, 120, 4215, 975));
  EXPECT_EQ(TextOf(Control("Label2")), "KORVEL 开发组");
  for (const char* name : {"Label1", "Label2", "Command1", "Command2"}) EXPECT_TRUE(HasEveryGlyph(Control(name))) << name;
  EXPECT_EQ(GetFocus(), Control("Command1"));
}

TEST_F(ConverterWin32, ConvertsTwiceAndCancelTouchesNothing) {
  Click(Control("Command1"));
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{});
  folder_.Write("a.s2k", "TABLE:  \"JOINT COORDINATES\"\r\n   Joint=1   GlobalX=1   GlobalY=2   GlobalZ=3\r\n");
  folder_.Write("b.s2k", "TABLE:  \"PROGRAM CONTROL\"\r\n");
  answer_ = "a.s2k";
  Click(Control("Command1"));
  EXPECT_EQ(folder_.Read("out.txt"), "1\r\n1,1,2,3\r\n0\r\n0\r\n0\r\n0\r\n");
  answer_ = "b.s2k";
  Click(Control("Command1"));
  EXPECT_EQ(folder_.Read("out.txt"), "0\r\n0\r\n0\r\n0\r\n0\r\n");
  EXPECT_EQ(prompts_.size(), 3u);
  EXPECT_TRUE(errors_.empty());
  EXPECT_TRUE(IsWindowEnabled(window_.handle())) << "ready again";
}

TEST_F(ConverterWin32, AMissingModelIsAnErrorAndAFailedToolStartAWarning) {
  answer_ = "missing.s2k";
  Click(Control("Command1"));
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_NE(errors_[0].find("missing.s2k"), std::string::npos);
  folder_.Write("m.s2k", "TABLE:  \"PROGRAM CONTROL\"\r\n");
  answer_ = "m.s2k";
  const char* path = std::getenv("PATH");
  const std::string oldPath = path ? path : "";
  _putenv_s("PATH", folder_.path().string().c_str());  // no Plakon.exe anywhere
  Click(Control("Command1"));
  _putenv_s("PATH", oldPath.c_str());
  ASSERT_EQ(warnings_.size(), 1u);
  EXPECT_NE(warnings_[0].find("Plakon.exe"), std::string::npos) << warnings_[0];
}

}  // namespace
}  // namespace korvel::conv
