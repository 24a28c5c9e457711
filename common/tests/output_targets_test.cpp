// Outputs in a place where something other than a regular file stands: a
// device, a pipe, a link to either, a folder that cannot be written.

#include <gtest/gtest.h>

#include "common/error.h"
#include "common/output_file.h"
#include "common/system_reason.h"
#include "common/tests/temp_folder.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace korvel {
namespace {

using test_support::TempFolder;
constexpr OutputFile::Mode kBothModes[] = {OutputFile::Mode::kReplaceWhenDone, OutputFile::Mode::kWriteInPlace};

std::string RefusalOf(const std::filesystem::path& target, OutputFile::Mode mode) {
  try {
    OutputFile out(target, mode);
    out.Write("x");
    out.Commit();
  } catch (const Error& e) {
    return e.what();
  }
  return "";
}

// A pipe nobody reads would hang the write; one that is read would take the
// bytes of a file. Either is refused at once and stays a pipe.
TEST(OutputTarget, PipeOrALinkToOneIsRefusedAndLeftAsItIs) {
  TempFolder folder;
  ASSERT_EQ(mkfifo(folder.Path("out.txt").c_str(), 0600), 0);
  std::filesystem::create_symlink("out.txt", folder.Path("linked.txt"));
  for (OutputFile::Mode mode : kBothModes) {
    for (const char* name : {"out.txt", "linked.txt"}) {
      const std::string refusal = RefusalOf(folder.Path(name), mode);
      EXPECT_NE(refusal.find(name), std::string::npos) << refusal;
      EXPECT_NE(refusal.find(kNotRegularFile), std::string::npos) << refusal;
    }
  }
  EXPECT_TRUE(std::filesystem::is_fifo(folder.Path("out.txt")));
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"linked.txt", "out.txt"}));
}

// The test's own device where it may make one (as root), so a fault replaces
// nothing of the system's; otherwise /dev/null, which only root could replace.
TEST(OutputTarget, DeviceOrALinkToOneIsRefusedAndLeftAsItIs) {
  TempFolder folder;
  std::filesystem::path device = folder.Path("null");
  if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) device = "/dev/null";
  std::filesystem::create_symlink(device, folder.Path("out.txt"));
  for (OutputFile::Mode mode : kBothModes) {
    for (const std::filesystem::path& target : {folder.Path("out.txt"), device}) {
      const std::string refusal = RefusalOf(target, mode);
      EXPECT_NE(refusal.find(target.filename().string()), std::string::npos) << refusal;
      EXPECT_NE(refusal.find(kNotRegularFile), std::string::npos) << refusal;
    }
  }
  EXPECT_TRUE(std::filesystem::is_character_file(device));
}

// The file may be written; the folder may not take the temporary beside it,
// and that is what the user is told. Root writes any folder, so the test
// gives up root in a child process.
TEST(OutputTargetDeathTest, FolderThatCannotBeWrittenIsNamedForIt) {
  TempFolder folder;
  folder.Write("matcode0.txt", "old");
  std::filesystem::permissions(folder.Path("matcode0.txt"), std::filesystem::perms::all);
  std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                                  std::filesystem::perms::others_read |
                                                  std::filesystem::perms::others_exec);
  EXPECT_EXIT(
      {
        if (geteuid() == 0 && setuid(65534) != 0) std::exit(2);
        std::fputs(RefusalOf(folder.Path("matcode0.txt"), OutputFile::Mode::kReplaceWhenDone).c_str(), stderr);
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "matcode0.txt.*没有在文件夹 \".*\" 中新建文件的权限");
  EXPECT_EQ(folder.Read("matcode0.txt"), "old");
}

}  // namespace
}  // namespace korvel
#endif
