#include "common/program_start.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <chrono>
#include <cstdlib>
#include <thread>

#include "common/tests/temp_folder.h"
#else
#include "common/tests/recording_program.h"
#endif

namespace korvel {
namespace {

using test_support::TempFolder;

TEST(WindowsCommandLine, QuotesOnlyArgumentsThatHoldABlank) {
  EXPECT_EQ(WindowsCommandLine("Plakon.exe", {}), "Plakon.exe");
  EXPECT_EQ(WindowsCommandLine("korvel_2005r2_027.exe", {"-j", "frame1"}), "korvel_2005r2_027.exe -j frame1");
  EXPECT_EQ(WindowsCommandLine("korvel_2005r2_027.exe", {"-j", "my job"}), "korvel_2005r2_027.exe -j \"my job\"");
  EXPECT_EQ(WindowsCommandLine("korvel_2005r2_027.exe", {"-j", ""}), "korvel_2005r2_027.exe -j ");
}

#ifndef _WIN32
using test_support::RecordingProgram;

TEST(StartProgram, PassesEachArgumentWholeAndDoesNotWait) {
  RecordingProgram recorder("recorder");
  const StartResult result = StartProgram("recorder", {"-j", "my job", ""});
  ASSERT_TRUE(result.started) << result.problem;
  const std::string record = recorder.WaitForRecord();
  EXPECT_EQ(record.substr(record.find('\n') + 1), "[-j]\n[my job]\n[]\n");
}

TEST(StartProgram, ReportsAProgramThatIsNotThere) {
  RecordingProgram recorder("recorder");
  const StartResult result = StartProgram("no-such-program", {});
  EXPECT_FALSE(result.started);
  EXPECT_NE(result.problem.find("no-such-program"), std::string::npos);
}

TEST(StartProgram, ReportsAProgramThatCannotBeExecuted) {
  RecordingProgram recorder("recorder");
  recorder.folder().Write("broken", "#!/nonexistent/interpreter\n");
  std::filesystem::permissions(recorder.folder().Path("broken"), std::filesystem::perms::owner_all);
  EXPECT_FALSE(StartProgram("broken", {}).started);
}

TEST(StartProgram, NeverLooksInTheCurrentFolder) {
  RecordingProgram recorder("recorder");
  TempFolder here;
  recorder.folder().Write("unused", "");
  std::filesystem::copy_file(recorder.folder().Path("recorder"), here.Path("local-only"));
  setenv("PATH", (recorder.folder().path().string() + ":.::relative").c_str(), 1);
  test_support::CurrentFolder inside(here.path());
  EXPECT_FALSE(StartProgram("local-only", {}).started);
}
#endif

#ifdef _WIN32
// The recorder, copied under another name into a folder on PATH.
class WindowsStart : public ::testing::Test {
 protected:
  WindowsStart() : oldPath_(std::getenv("PATH")) {
    std::filesystem::copy_file(KORVEL_RECORDER, tools_.Path("recorder.exe"));
    _putenv_s("PATH", (tools_.path().string() + ";" + oldPath_).c_str());
  }
  ~WindowsStart() override { _putenv_s("PATH", oldPath_.c_str()); }

  std::string WaitForRecord() const {
    for (int i = 0; i < 1000 && !tools_.Has("record"); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return tools_.Has("record") ? tools_.Read("record") : "<not started>";
  }

  TempFolder tools_;
  std::string oldPath_;
};

TEST_F(WindowsStart, FindsTheProgramOnPathAndKeepsAQuotedJobNameWhole) {
  const StartResult result = StartProgram("recorder.exe", {"-j", "my job"});
  ASSERT_TRUE(result.started) << result.problem;
  const std::string record = WaitForRecord();
  EXPECT_EQ(record.substr(record.find('\n') + 1), "[-j]\n[my job]\n");
}

TEST_F(WindowsStart, PassesAJobNameInCodePage936) {
  const StartResult result = StartProgram("recorder.exe", {"-j", "框架1"});
  ASSERT_TRUE(result.started) << result.problem;
  const std::string record = WaitForRecord();
  EXPECT_EQ(record.substr(record.find('\n') + 1),
            "[-j]\n[\xBF\xF2\xBC\xDC"
            "1]\n");
}

TEST_F(WindowsStart, ReportsAProgramThatCannotBeStarted) {
  const StartResult result = StartProgram("no-such-program.exe", {});
  EXPECT_FALSE(result.started);
  EXPECT_NE(result.problem.find("no-such-program.exe"), std::string::npos);
}
#endif

}  // namespace
}  // namespace korvel
