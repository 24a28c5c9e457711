#include "run/core/job_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/output_file.h"
#include "common/tests/temp_folder.h"

namespace korvel::run {
namespace {

using test_support::CurrentFolder;
using test_support::TempFolder;

class JobFolder : public ::testing::Test {
 protected:
  JobFolder() : here_(folder_.path()) { std::filesystem::create_directory(folder_.Path("other")); }
  TempFolder folder_;
  CurrentFolder here_;
};

TEST_F(JobFolder, TheWorkingFolderHoweverSpelled) {
  const std::string working = DisplayName(folder_.path());
  std::vector<std::string> names = {"job.dat", "./job.dat", working + "/job.dat", working + "//job.dat",
                                    DisplayName(folder_.Path("other") / ".." / "job.dat")};
#ifdef _WIN32
  std::string upper = working;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  names.push_back(upper + "\\job.dat");
#else
  std::filesystem::create_directory_symlink(folder_.path(), folder_.Path("other") / "link");
  names.push_back(DisplayName(folder_.Path("other") / "link" / "job.dat"));
#endif
  for (const std::string& name : names) EXPECT_EQ(JobOutsideWorkingFolder(name), std::nullopt) << name;
}

TEST_F(JobFolder, AnotherFolderIsNamedBesideTheWorkingOne) {
  for (const std::string& name : {DisplayName(folder_.Path("other") / "job.dat"), std::string("other/job.dat"),
                                  DisplayName(folder_.Path("missing") / "job.dat")}) {
    const std::optional<std::string> message = JobOutsideWorkingFolder(name);
    ASSERT_TRUE(message) << name;
    EXPECT_NE(message->find("作业文件必须在工作文件夹中"), std::string::npos);
    // Both folders absolute: "other/job.dat" is named by its whole path.
    EXPECT_NE(message->find("所在的文件夹：" + DisplayName(folder_.Path(name).parent_path().lexically_normal()) + "\n"),
              std::string::npos)
        << *message;
    EXPECT_NE(message->find(DisplayName(folder_.path())), std::string::npos) << *message;
  }
}

}  // namespace
}  // namespace korvel::run
