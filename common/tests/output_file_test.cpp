#include "common/output_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "common/error.h"
#include "common/system_reason.h"
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

// Temporaries have random names, so a writer killed while writing never
// blocks the next; the next one removes those whose writer is gone and
// leaves a live writer's alone.
TEST(OutputFile, RemovesAbandonedTemporariesAndKeepsLiveOnes) {
  TempFolder folder;
  for (int n = 0; n < 120; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "out.txt.%08x.tmp", n);
    folder.Write(name, "abandoned");
  }
  folder.Write("out.txt.tmp0", "not ours");
  OutputFile live(folder.Path("out.txt"), OutputFile::Mode::kReplaceWhenDone);
  {
    OutputFile out(folder.Path("out.txt"), OutputFile::Mode::kReplaceWhenDone);
    out.Write("new");
    out.Commit();
  }
  EXPECT_EQ(folder.Read("out.txt"), "new");
  const auto names = folder.Names();
  EXPECT_EQ(names.size(), 3u) << "out.txt, the live temporary and a file of another name";
  EXPECT_TRUE(std::count(names.begin(), names.end(), "out.txt.tmp0"));
}

TEST(OutputFile, LogInPlaceHasOneWriterAtATime) {
  TempFolder folder;
  OutputFile first(folder.Path("debug.txt"), OutputFile::Mode::kWriteInPlace);
  first.Write("first");
  try {
    OutputFile second(folder.Path("debug.txt"), OutputFile::Mode::kWriteInPlace);
    FAIL() << "a second writer of the log";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("另一个程序正在写这个文件"), std::string::npos) << e.what();
  }
  first.Commit();
  EXPECT_EQ(folder.Read("debug.txt"), "first") << "the refused writer truncated nothing";
}

TEST(SystemReason, CommonCausesAreGivenInChinese) {
  for (int error : {EEXIST, EIO, EAGAIN, ENOSPC, EACCES, EBUSY}) {
    const std::string reason = SystemReason(error);
    EXPECT_TRUE(std::any_of(reason.begin(), reason.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        << error << ": " << reason;
  }
}

#ifndef _WIN32
TEST(OutputFile, ReplacementKeepsThePermissionsOfTheOldFile) {
  TempFolder folder;
  folder.Write("out.txt", "old");
  std::filesystem::permissions(folder.Path("out.txt"),
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  OutputFile out(folder.Path("out.txt"), OutputFile::Mode::kReplaceWhenDone);
  out.Write("new");
  out.Commit();
  EXPECT_EQ(std::filesystem::status(folder.Path("out.txt")).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(OutputFile, SymbolicLinkIsWrittenThroughToItsTarget) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path("results"));
  folder.Write("results/out.txt", "old");
  std::filesystem::create_symlink("results/out.txt", folder.Path("out.txt"));
  OutputFile out(folder.Path("out.txt"), OutputFile::Mode::kReplaceWhenDone);
  out.Write("new");
  out.Commit();
  EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("out.txt")));
  EXPECT_EQ(folder.Read("results/out.txt"), "new");
}
#endif

}  // namespace
}  // namespace korvel
