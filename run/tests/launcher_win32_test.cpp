// KORVEL_RUN drawn with Win32, driven through its native controls; the solver
// is a recorder that writes the arguments it received.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "common/tests/temp_folder.h"
#include "common/tests/win32_driver.h"
#include "run/core/launcher_form.h"

namespace korvel::run {
namespace {

using namespace test_support;

class LauncherWin32 : public ::testing::Test {
 protected:
  LauncherWin32() : here_(folder_.path()) {
    std::filesystem::copy_file(KORVEL_RECORDER, folder_.Path("korvel_2005r2_027.exe"));
    window_.chooseDataFile = [this] { return answer_; };
    window_.reportError = [this](const std::string& text) { errors_.push_back(text); };
    ShowWindow(window_.handle(), SW_SHOW);
  }
  HWND Control(const char* name) { return window_.Control(name); }
  std::string WaitForRecord() const {
    for (int i = 0; i < 1000 && !folder_.Has("record"); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return folder_.Has("record") ? folder_.Read("record") : "<not started>";
  }

  TempFolder folder_;
  CurrentFolder here_;
  win32::FormWindow window_{LauncherForm(), LauncherFormClicked};
  std::optional<std::string> answer_;
  std::vector<std::string> errors_;
};

TEST_F(LauncherWin32, LaysOutTheWindow) {
  EXPECT_EQ(TextOf(window_.handle()), "KORVEL执行界面主窗口(KORVEL 开发组)");
  EXPECT_TRUE(PlaceOf(window_.handle(), Control("cmdRun")) == Pixels(960, 3360, 1215, 495));
  EXPECT_TRUE(PlaceOf(window_.handle(), Control("Label3")) == Pixels(360, 1680, 5055, 375));
  for (const char* name : {"Label1", "Label2", "Label3"}) EXPECT_TRUE(HasEveryGlyph(Control(name))) << name;
}

TEST_F(LauncherWin32, AJobNameWithABlankArrivesWhole) {
  answer_ = (folder_.path() / "my job.dat").string();
  Click(Control("cmdRun"));
  const std::string record = WaitForRecord();
  EXPECT_EQ(record.substr(record.find('\n') + 1), "[-j]\n[" + (folder_.path() / "my job").string() + "]\n");
  EXPECT_TRUE(errors_.empty());
}

TEST_F(LauncherWin32, CancelStartsNothingAndAFailedStartIsShown) {
  Click(Control("cmdRun"));
  std::filesystem::remove(folder_.Path("korvel_2005r2_027.exe"));
  const char* path = std::getenv("PATH");
  const std::string oldPath = path ? path : "";
  _putenv_s("PATH", folder_.path().string().c_str());
  answer_ = "job.dat";
  Click(Control("cmdRun"));
  _putenv_s("PATH", oldPath.c_str());
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_NE(errors_[0].find("korvel_2005r2_027.exe"), std::string::npos);
  EXPECT_FALSE(folder_.Has("record"));
}

}  // namespace
}  // namespace korvel::run
