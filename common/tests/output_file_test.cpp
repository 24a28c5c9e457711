#include "common/output_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/error.h"
#include "common/tests/temp_folder.h"

namespace korvel {
namespace {

using test_support::TempFolder;

TEST(OutputFile, ReplacementAppearsOnlyOnCommit) {
  TempFolder folder;
  folder.Write("a.txt", "old");
  {
    OutputFile out(folder.Path("a.txt"), OutputFile::Mode::kReplaceWhenDone);
    out.Write("new");
    EXPECT_EQ(folder.Read("a.txt"), "old");
    out.Commit();
  }
  EXPECT_EQ(folder.Read("a.txt"), "new");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.txt"});
}

TEST(OutputFile, AbandonedReplacementLeavesOldFileAndNoTemporary) {
  TempFolder folder;
  folder.Write("a.txt", "old");
  {
    OutputFile out(folder.Path("a.txt"), OutputFile::Mode::kReplaceWhenDone);
    out.Write("half");
  }
  EXPECT_EQ(folder.Read("a.txt"), "old");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.txt"});
}

TEST(OutputFile, WritingInPlaceTruncatesAtOnce) {
  TempFolder folder;
  folder.Write("log.txt", "old content");
  OutputFile out(folder.Path("log.txt"), OutputFile::Mode::kWriteInPlace);
  out.Write("x");
  out.Commit();
  EXPECT_EQ(folder.Read("log.txt"), "x");
}

TEST(OutputFile, NamesTheFileWhenItCannotBeCreated) {
  TempFolder folder;
  folder.Write("plain", "a file, not a folder");
  for (auto mode : {OutputFile::Mode::kReplaceWhenDone, OutputFile::Mode::kWriteInPlace}) {
    try {
      OutputFile out(folder.Path("plain") / "a.txt", mode);
      FAIL() << "created a file below a plain file";
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find("a.txt"), std::string::npos) << e.what();
    }
  }
}

TEST(OutputFile, RefusesToReplaceAFolder) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path("a.txt"));
  EXPECT_THROW(OutputFile(folder.Path("a.txt"), OutputFile::Mode::kReplaceWhenDone), Error);
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path("a.txt")));
}

}  // namespace
}  // namespace korvel
