// KORVEL_RUN drawn with Win32, driven through its native controls; the solver
// is a recorder that writes the arguments it received.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "common/tests/temp_folder.h"
#include "run/core/launcher_form.h"
#include "ui/tests/win32_driver.h"

namespace korvel::run {
namespace {

using namespace test_support;

class LauncherWin32 : public ::testing::Test {
 protected:
  LauncherWin32() : here_(folder_.path()) {
    std::filesystem::copy_file(KORVEL_RECORDER, folder_.Path("korvel_2005r2_027.exe"));
    ShowWindow(window_.handle(), SW_SHOW);
  }
  HWND Control(const char* name) { return window_.Control(name); }
  static std::string WaitForRecord(const TempFolder& folder) {
    for (int i = 0; i < 1000 && !folder.Has("record"); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return folder.Has("record") ? folder.Read("record") : "<not started>";
  }
  static std::string Arguments(const std::string& record) { return record.substr(record.find('\n') + 1); }

  TempFolder folder_;
  CurrentFolder here_;
  win32::FormWindow window_{LauncherForm()};
};

TEST_F(LauncherWin32, ShowsItsTextsWithEveryGlyph) {
  EXPECT_EQ(TextOf(window_.handle()), "KORVEL执行界面主窗口(KORVEL 开发组)");
  for (const char* name : {"Label1", "Label2", "Label3"}) EXPECT_TRUE(HasEveryGlyph(Control(name))) << name;
}

// By keyboard: Space on Run, the job's name typed in the file dialog, Enter.
// The dialog opens in the working folder every time, wherever the last job
// was; a job from another folder is refused with a message.
TEST_F(LauncherWin32, RunsJobsByKeyboardFromTheWorkingFolderOnly) {
  folder_.Write("my job.dat", "");
  KeyboardAnswers answers(window_.handle());
  answers.Add("my job.dat", VK_RETURN);
  PressKey(window_.handle(), VK_SPACE);
  EXPECT_EQ(Arguments(WaitForRecord(folder_)), "[-j]\n[" + (folder_.path() / "my job").string() + "]\n");

  TempFolder other;
  std::filesystem::copy_file(KORVEL_RECORDER, other.Path("korvel_2005r2_027.exe"));
  other.Write("job.dat", "");
  CurrentFolder there(other.path());
  answers.Add("job.dat", VK_RETURN);
  PressKey(window_.handle(), VK_SPACE);
  EXPECT_EQ(Arguments(WaitForRecord(other)), "[-j]\n[" + (other.path() / "job").string() + "]\n");

  std::filesystem::remove(other.Path("record"));
  answers.Add((folder_.path() / "my job.dat").string(), VK_RETURN);
  answers.Add("", VK_RETURN);
  PressKey(window_.handle(), VK_SPACE);
  ASSERT_EQ(answers.shown().size(), 4u);
  EXPECT_NE(answers.shown()[3].find("作业文件必须在工作文件夹中"), std::string::npos) << answers.shown()[3];
  EXPECT_EQ(GetFocus(), Control("cmdRun"));
  EXPECT_FALSE(other.Has("record"));
}

TEST_F(LauncherWin32, CancelStartsNothingAndAFailedStartIsShown) {
  std::optional<std::string> answer;
  std::vector<std::string> errors;
  window_.openFile = [&](const form::FileFilter&) { return answer; };
  window_.reportError = [&](const std::string& text) { errors.push_back(text); };
  Click(Control("cmdRun"));
  std::filesystem::remove(folder_.Path("korvel_2005r2_027.exe"));
  SearchPathOnly noSolver(folder_.path());
  answer = "job.dat";
  Click(Control("cmdRun"));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("korvel_2005r2_027.exe"), std::string::npos);
  EXPECT_FALSE(folder_.Has("record"));
}

}  // namespace
}  // namespace korvel::run
