// A conversion's model and its own files: a model that is one of them under
// another name, a log that is no regular file, a folder that keeps no locks,
// and a model changed while it is read.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "common/error.h"
#include "common/input_file.h"
#include "common/tests/temp_folder.h"
#include "conv/core/conversion.h"
#ifndef _WIN32
#include <sys/stat.h>

#include "common/tests/unsupported_locks.h"
#endif

namespace korvel::conv {
namespace {

using test_support::TempFolder;

constexpr char kModel[] = "TABLE:  \"JOINT COORDINATES\"\r\n   Joint=1   GlobalX=0   GlobalY=0   GlobalZ=0\r\n";

class ConversionFiles : public ::testing::Test {
 protected:
  // The error of a conversion that must fail.
  std::string RefusalOf(const std::string& model) {
    try {
      SAP2KREAD(folder_.Path(model), folder_.path(), ConversionOptions{.startTool = false});
    } catch (const Error& e) {
      return e.what();
    }
    return "converted";
  }

  TempFolder folder_;
};

TEST_F(ConversionFiles, ModelThatIsItsOwnLogOrModelFileIsRefusedBeforeEitherIsTouched) {
  folder_.Write("debug.txt", kModel);
  folder_.Write("out.txt", kModel);
  std::filesystem::create_hard_link(folder_.Path("out.txt"), folder_.Path("copy.s2k"));
#ifndef _WIN32
  std::filesystem::create_symlink("debug.txt", folder_.Path("link.s2k"));
#endif
  for (const char* model : {"debug.txt", "out.txt", "copy.s2k", "link.s2k"}) {
    if (!folder_.Has(model)) continue;
    const std::string refusal = RefusalOf(model);
    EXPECT_NE(refusal.find(folder_.Path(model).string() + "\""), std::string::npos) << refusal;
    EXPECT_EQ(folder_.Read("debug.txt"), kModel) << model;
    EXPECT_EQ(folder_.Read("out.txt"), kModel) << model;
  }
}

// A file's size and time of change, when it was opened and after it was read.
TEST(ModelChangedWhileRead, CutGrownOrRewrittenModelIsNamed) {
  TempFolder folder;
  const auto model = folder.Path("m.s2k");
  auto changedWhileRead = [&](auto change) {
    folder.Write("m.s2k", kModel);
    InputFile file(model, "模型文件");
    file.ReadAll(1 << 20);
    change();
    try {
      file.CheckUnchanged();
    } catch (const Error& e) {
      EXPECT_NE(
          std::string(e.what()).find("\"" + model.string() +
                                     "\"：文件在读取时被改动，请等正在保存它的程序（如 SAP2000）保存完毕后再试一次"),
          std::string::npos)
          << e.what();
      return true;
    }
    return false;
  };
  EXPECT_FALSE(changedWhileRead([] {}));
  EXPECT_TRUE(changedWhileRead([&] { std::filesystem::resize_file(model, 10); }));
  EXPECT_TRUE(changedWhileRead([&] { std::filesystem::resize_file(model, sizeof kModel * 2); }));
  EXPECT_TRUE(changedWhileRead([&] {
    const auto before = std::filesystem::last_write_time(model);
    folder.Write("m.s2k", std::string(sizeof kModel - 1, 'x'));
    std::filesystem::last_write_time(model, before + std::chrono::seconds(1));
  }));
}

#ifndef _WIN32
TEST_F(ConversionFiles, OutputThatIsNoFileIsRefusedWithoutWaitingBeforeAnyIsTouched) {
  folder_.Write("m.s2k", kModel);
  folder_.Write("out.txt", "old");
  ASSERT_EQ(mkfifo(folder_.Path("debug.txt").c_str(), 0600), 0);
  EXPECT_NE(RefusalOf("m.s2k").find("debug.txt\"：不是普通文件"), std::string::npos);
  EXPECT_EQ(folder_.Read("out.txt"), "old");

  std::filesystem::remove(folder_.Path("debug.txt"));
  folder_.Write("debug.txt", "old log");
  std::filesystem::remove(folder_.Path("out.txt"));
  ASSERT_EQ(mkfifo(folder_.Path("out.txt").c_str(), 0600), 0);
  EXPECT_NE(RefusalOf("m.s2k").find("out.txt\"：不是普通文件"), std::string::npos);
  EXPECT_EQ(folder_.Read("debug.txt"), "old log");

  std::filesystem::remove(folder_.Path("out.txt"));
  std::filesystem::create_directories(folder_.Path("labels.txt") / "kept");
  EXPECT_NE(RefusalOf("m.s2k").find("labels.txt\""), std::string::npos);
  EXPECT_EQ(folder_.Read("debug.txt"), "old log");
  EXPECT_FALSE(folder_.Has("out.txt"));
}

TEST_F(ConversionFiles, FolderWithoutLocksIsConvertedWithAWarning) {
  folder_.Write("m.s2k", kModel);
  test_support::UnsupportedLocks noLocks;
  const ConversionResult result =
      SAP2KREAD(folder_.Path("m.s2k"), folder_.path(), ConversionOptions{.startTool = false});
  const std::vector<std::string> warnings = result.Warnings();
  EXPECT_EQ(std::count_if(warnings.begin(), warnings.end(),
                          [](const std::string& w) { return w.find("不支持文件锁") != std::string::npos; }),
            1);
  EXPECT_EQ(folder_.Read("out.txt"), "1\r\n1,0,0,0\r\n0\r\n0\r\n0\r\n0\r\n");
}
#endif

}  // namespace
}  // namespace korvel::conv
