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

// A pipe nobody reads would hang the write, one that is read would take the
// bytes of a file, and a device replaced by a file is lost (as root: the
// system's). Each is refused at once and stays as it was. The device is the
// test's own where it may make one (as root); otherwise /dev/null, which only
// root could replace.
TEST(OutputTarget, PipeOrDeviceOrALinkToEitherIsRefusedAndLeftAsItIs) {
  TempFolder folder;
  ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0600), 0);
  std::filesystem::path device = folder.Path("null");
  if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) device = "/dev/null";
  std::filesystem::create_symlink("pipe", folder.Path("linked-pipe.txt"));
  std::filesystem::create_symlink(device, folder.Path("linked-device.txt"));
  for (OutputFile::Mode mode : kBothModes) {
    for (const std::filesystem::path& target :
         {folder.Path("pipe"), device, folder.Path("linked-pipe.txt"), folder.Path("linked-device.txt")}) {
      const std::string refusal = RefusalOf(target, mode);
      EXPECT_NE(refusal.find(target.filename().string() + "\"：" + kNotRegularFile), std::string::npos) << refusal;
    }
  }
  EXPECT_TRUE(std::filesystem::is_fifo(folder.Path("pipe")));
  EXPECT_TRUE(std::filesystem::is_character_file(device));
  EXPECT_EQ(folder.Names().size(), device == "/dev/null" ? 3u : 4u) << "no temporary left";
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
  std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);  // to be removed
}

}  // namespace
}  // namespace korvel
#endif
