// What a conversion does to its outputs when something stands in its way: a
// model that is an output, outputs that reach each other, a full disk, files
// that cannot be written. out.txt is replaced last or not at all.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#endif

#include <cstdio>
#include <cstdlib>

#include "common/error.h"
#include "common/tests/temp_folder.h"
#include "conv/core/conversion.h"

namespace korvel::conv {
namespace {

using test_support::TempFolder;

// A model without names, and one that names its frames.
constexpr char kNumbered[] =
    "TABLE:  \"JOINT COORDINATES\"\r\n   Joint=1   GlobalX=0   GlobalY=0   GlobalZ=0\r\n \r\n"
    "TABLE:  \"CONNECTIVITY - FRAME\"\r\n   Frame=1   JointI=1   JointJ=1\r\n";
[[maybe_unused]] std::string NamedModel(std::size_t nameLength = 2, int frames = 1) {
  std::string text =
      "TABLE:  \"PROGRAM CONTROL\"\r\n   ProgramName=SAP2000   Version=20\r\n \r\n"
      "TABLE:  \"CONNECTIVITY - FRAME\"\r\n";
  for (int f = 0; f < frames; ++f) {
    text += "   Frame=" + std::string(nameLength, 'B') + std::to_string(f) + "   JointI=1   JointJ=1\r\n";
  }
  return text;
}

class Outputs : public ::testing::Test {
 protected:
  Outputs() {
    for (const char* output : {"debug.txt", "out.txt", "labels.txt"})
      folder_.Write(output, std::string("old ") + output);
  }
  // An empty `model` converts the file as it is.
  void Convert(const std::string& model, const std::string& name = "model.s2k") {
    if (!model.empty()) folder_.Write(name, model);
    ConversionOptions options;
    options.startTool = false;
    SAP2KREAD(folder_.Path(name), folder_.path(), options);
  }
  // The error of a conversion that must fail.
  std::string Refusal(const std::string& model, const std::string& name = "model.s2k") {
    try {
      Convert(model, name);
    } catch (const Error& e) {
      return e.what();
    }
    return "converted";
  }
  void ExpectUntouched(const char* output) const {
    EXPECT_EQ(folder_.Read(output), std::string("old ") + output) << output;
  }

  TempFolder folder_;
};

TEST_F(Outputs, ModelThatIsOrReachesAnOutputAndOutputsReachingEachOtherAreRefused) {
  std::filesystem::remove(folder_.Path("labels.txt"));
  EXPECT_NE(Refusal(kNumbered, "labels.txt").find("\"labels.txt\""), std::string::npos);
  EXPECT_EQ(folder_.Read("labels.txt"), kNumbered) << "the model is not removed";
#ifndef _WIN32  // links need rights a Windows user seldom has
  std::filesystem::remove(folder_.Path("labels.txt"));
  folder_.Write("model.s2k", NamedModel());
  std::filesystem::create_symlink("model.s2k", folder_.Path("labels.txt"));
  EXPECT_NE(Refusal(NamedModel()).find("同一个文件"), std::string::npos);
  EXPECT_EQ(folder_.Read("model.s2k"), NamedModel());
  std::filesystem::remove(folder_.Path("labels.txt"));
  std::filesystem::create_symlink("out.txt", folder_.Path("labels.txt"));
  const std::string refusal = Refusal(NamedModel());
  EXPECT_NE(refusal.find("labels.txt\""), std::string::npos) << refusal;
  EXPECT_NE(refusal.find("\"out.txt\""), std::string::npos) << refusal;
  ExpectUntouched("out.txt");
  ExpectUntouched("debug.txt");
#endif
}

#ifndef _WIN32
// Root writes any file, so the children give up root first.
void AsNobody() {
  if (geteuid() == 0 && setuid(65534) != 0) std::exit(2);
}

TEST_F(Outputs, ReadOnlyOutputIsRefusedBeforeAnyOutputIsReplacedOrRemoved) {
  std::filesystem::permissions(folder_.path(), std::filesystem::perms::all);
  for (const char* output : {"debug.txt", "out.txt", "labels.txt"}) {
    std::filesystem::permissions(folder_.Path(output), std::filesystem::perms::all);
  }
  folder_.Write("model.s2k", kNumbered);
  for (const char* readOnly : {"out.txt", "labels.txt"}) {
    std::filesystem::permissions(folder_.Path(readOnly), std::filesystem::perms::owner_read);
    EXPECT_EXIT(
        {
          AsNobody();
          std::fputs(Refusal(kNumbered).c_str(), stderr);
          std::exit(0);
        },
        ::testing::ExitedWithCode(0), std::string(readOnly) + "\"");
    for (const char* output : {"debug.txt", "out.txt", "labels.txt"}) ExpectUntouched(output);
    std::filesystem::permissions(folder_.Path(readOnly), std::filesystem::perms::all);
  }
}

// Writes beyond `bytes` fail with EFBIG, as on a full disk.
void LimitFileSize(rlim_t bytes) {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit;
  limit.rlim_cur = limit.rlim_max = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

// A full disk while labels.txt is written: the file size limit stands in for it.
TEST_F(Outputs, FailureAfterReadingLeavesOutTxtAsItWasAndSaysSo) {
  // labels.txt (3 KB) beyond the limit but within the writer's buffer, so that it
  // fails only as it is committed; out.txt and the log within the limit.
  folder_.Write("model.s2k", NamedModel(60, 40));
  EXPECT_EXIT(
      {
        LimitFileSize(2048);
        std::fputs(Refusal("").c_str(), stderr);
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "labels.txt\".*out.txt 保持原样");
  ExpectUntouched("out.txt");
  ExpectUntouched("labels.txt");
  for (const std::string& name : folder_.Names()) EXPECT_FALSE(name.ends_with(".tmp")) << name;
}
#endif

TEST_F(Outputs, ModelWithoutNamesRemovesLabelsTxtAndItsAbandonedTemporaries) {
  folder_.Write("labels.txt.0badcafe.tmp", "left by a killed conversion");
  folder_.Write("out.txt.0badcafe.tmp", "left by a killed conversion");
  Convert(kNumbered);
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"debug.txt", "model.s2k", "out.txt"}));
}

}  // namespace
}  // namespace korvel::conv
