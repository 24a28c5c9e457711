// Writers of one file side by side: each result lands whole, a temporary in
// use is never taken for abandoned, and what only looks like a temporary is
// left alone without hanging anyone.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "common/error.h"
#include "common/output_file.h"
#include "common/tests/temp_folder.h"
#ifndef _WIN32
#include <sys/stat.h>

#include "common/tests/unsupported_locks.h"
#endif

namespace korvel {
namespace {

using test_support::TempFolder;

// Each writer's clean-up runs while the other writes, renames and closes, so
// every step of the other's life meets it a few hundred times.
TEST(ConcurrentWriters, EveryReplacementOfOneFileLandsWhole) {
  TempFolder folder;
  constexpr int kRounds = 200;
  std::atomic<int> failures{0};
  std::string firstFailure;
  auto writer = [&](const std::string& content) {
    for (int round = 0; round < kRounds; ++round) {
      try {
        OutputFile out(folder.Path("out.txt"), OutputFile::Mode::kReplaceWhenDone);
        out.Write(content);
        out.Commit();
      } catch (const Error& e) {
        if (failures++ == 0) firstFailure = e.what();
      }
    }
  };
  std::thread other(writer, std::string(4096, 'b'));
  writer(std::string(4096, 'a'));
  other.join();
  EXPECT_EQ(failures, 0) << firstFailure;
  const std::string result = folder.Read("out.txt");
  EXPECT_TRUE(result == std::string(4096, 'a') || result == std::string(4096, 'b'));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"out.txt"});
}

#ifndef _WIN32
TEST(ConcurrentWriters, PipeOrLinkNamedLikeATemporaryIsLeftAloneAndHangsNothing) {
  TempFolder folder;
  ASSERT_EQ(mkfifo(folder.Path("out.txt.00000000.tmp").c_str(), 0600), 0);
  folder.Write("kept", "kept");
  std::filesystem::create_symlink("kept", folder.Path("out.txt.0000000a.tmp"));
  OutputFile out(folder.Path("out.txt"), OutputFile::Mode::kReplaceWhenDone);
  out.Write("new");
  out.Commit();
  EXPECT_EQ(folder.Read("out.txt"), "new");
  EXPECT_EQ(folder.Names(),
            (std::vector<std::string>{"kept", "out.txt", "out.txt.00000000.tmp", "out.txt.0000000a.tmp"}));
}

// Without locks a log is still written, and says so; two writers are then
// not kept apart.
TEST(ConcurrentWriters, FileSystemWithoutLocksStillTakesTheFiles) {
  TempFolder folder;
  test_support::UnsupportedLocks noLocks;
  OutputFile log(folder.Path("debug.txt"), OutputFile::Mode::kWriteInPlace);
  EXPECT_FALSE(log.locked());
  OutputFile out(folder.Path("out.txt"), OutputFile::Mode::kReplaceWhenDone);
  out.Write("new");
  out.Commit();
  log.Write("log");
  log.Commit();
  EXPECT_EQ(folder.Read("out.txt"), "new");
  EXPECT_EQ(folder.Read("debug.txt"), "log");
}
#endif

}  // namespace
}  // namespace korvel
